// The click commands of every control, by id.
#include "input/commands.h"

void RunClickCommand(int) {}
