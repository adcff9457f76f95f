// The click commands: what each control does when it is clicked.
#pragma once

// Carries out the command of control `id`. An id without a command, and any
// value outside 1..131 (0 is a press on no control), does nothing. Commands
// never paint; the caller repaints.
void RunClickCommand(int id);
