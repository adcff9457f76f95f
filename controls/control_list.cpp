// The control list's walks: numbering, lookup by id and hit tests.
#include "controls/control_list.h"

ControlList controlList;

ControlList::ControlList() : head(&sentinel) { sentinel.first = &sentinel; }

ControlList::~ControlList() { Clear(); }

void ControlList::Clear() {
    // Iterative, so a long list cannot exhaust the stack.
    ControlNode* node = sentinel.next;
    while (node != nullptr) {
        ControlNode* following = node->next;
        delete node;
        node = following;
    }
    sentinel.next = nullptr;
    count = 0;
    byPosition.clear();
}

void ControlList::Append(Control* control) {
    ControlNode* last = head;
    while (last->next != nullptr) last = last->next;
    last->next = new ControlNode{nullptr, &sentinel, control};
    ++count;
    byPosition.push_back(control);
    if (control != nullptr) control->id = count;
}

Control* ControlList::FindControl(int32_t id) {
    if (id < 1 || id > count) return nullptr;
    return byPosition[size_t(id - 1)];
}

const Control* ControlList::FindControl(int32_t id) const {
    if (id < 1 || id > count) return nullptr;
    return byPosition[size_t(id - 1)];
}

int32_t ControlList::ClickAt(int32_t x, int32_t y) const {
    int32_t found = 0;
    for (const ControlNode* node = head->next; node != nullptr; node = node->next) {
        const Control* control = node->control;
        if (control != nullptr && control->IsVisible() && control->GetRect().Contains(x, y)) {
            found = control->GetId();
        }
    }
    return found;
}

int32_t ControlList::ControlAt(int32_t x, int32_t y) const {
    int32_t found = 0;
    for (const ControlNode* node = head->next; node != nullptr; node = node->next) {
        const Control* control = node->control;
        if (control != nullptr && control->GetRect().Contains(x, y)) found = control->GetId();
    }
    return found;
}
