// The click commands: what each control does when it is clicked.
#pragma once

// Carries out the command of control `id`; id 0 (a press on no control) does nothing.
void RunClickCommand(int id);
