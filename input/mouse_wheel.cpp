// The mouse wheel over the map view.
#include "input/mouse_wheel.h"

#include <algorithm>
#include <cstdlib>

#include "controls/control_ids.h"
#include "input/commands.h"
#include "input/view_commands.h"

namespace {
// A thumb crosses its whole track in 22 notches and the zoom its whole range
// in 2; more in one event change nothing more, and the sums stay small.
constexpr int MostNotches = 64;
}  // namespace

bool HandleWheel(int notchesRight, int notchesDown, bool ctrl, bool shift) {
    int32_t right = std::clamp(notchesRight, -MostNotches, MostNotches);
    int32_t down = std::clamp(notchesDown, -MostNotches, MostNotches);
    if (right == 0 && down == 0) return false;
    if (ctrl) {
        // Each notch is one press of a zoom button, without the keys' pacing.
        for (int32_t n = std::abs(down); n > 0; --n) RunClickCommand(down < 0 ? ZoomInId : ZoomOutId);
        down = 0;
    } else if (shift) {
        right += down;
        down = 0;
    }
    if (right != 0) MoveHorizontalThumbBy(right * WheelNotchThumbStep);
    if (down != 0) MoveVerticalThumbBy(down * WheelNotchThumbStep);
    return true;
}
