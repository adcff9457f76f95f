// ControlList: every control of the interface, in the order the layout added
// them. A control's id is its position, so every part of the editor can name a
// control by a fixed number. Hit tests walk the list in order; it is short. The
// list knows nothing of what a click does or how a control looks: the caller of
// ClickAt runs the command, and drawing walks the list by id.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/control.h"

struct ControlNode {
    ControlNode* next = nullptr;
    ControlNode* first = nullptr;  // the list's sentinel
    Control* control = nullptr;    // null only in the sentinel
};

class ControlList {
public:
    ControlList();
    ~ControlList();
    ControlList(const ControlList&) = delete;
    ControlList& operator=(const ControlList&) = delete;

    // Links the control after the last one and numbers it with its position.
    // The list does not own the control.
    void Append(Control* control);

    // The control at position id (1 = first appended); null for any id outside 1..count.
    Control* FindControl(int32_t id);
    const Control* FindControl(int32_t id) const;

    // The id of the last-appended visible control strictly containing (x, y), so
    // where visible controls overlap the later one wins; 0 when there is none.
    // What the click does is the caller's business.
    int32_t ClickAt(int32_t x, int32_t y) const;

    // The id of the last-appended control strictly containing (x, y), visible or
    // not; 0 when there is none.
    int32_t ControlAt(int32_t x, int32_t y) const;

    int32_t Count() const { return count; }

    // Unlinks every control (the controls themselves are left alone) so the
    // layout can be built again.
    void Clear();

private:
    ControlNode* head;
    ControlNode sentinel;
    int32_t count = 0;
    // The control of each position, so painting, which looks up every control on
    // every mouse move, need not count nodes; kept in step by Append and Clear.
    std::vector<Control*> byPosition;
};

// The one list of the editor, built by BuildLayout at start-up.
extern ControlList controlList;

// Shorthand for controlList.FindControl, as most callers name controls by id.
inline Control* FindControl(int32_t id) { return controlList.FindControl(id); }
