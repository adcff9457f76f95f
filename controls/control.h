// Control: one button, value field, label, scroll thumb or icon area of the
// interface. The editor has no native controls; these records are all there is.
#pragma once

#include <cstdint>

#include "controls/rect.h"

// The values stored in a control's kind. 2 was never given a meaning.
enum ControlKind : int32_t {
    KindPanel = 0,            // filled with its colour, caption at the left
    KindButton = 1,           // three-piece button, caption centred
    KindHorizontalThumb = 3,  // thumb of the horizontal scroll bar
    KindVerticalThumb = 4,    // thumb of the vertical scroll bar
    KindHotspot = 5,          // clickable area; the painter draws an icon into it
    KindLabel = 6,            // caption only, no background
};

// Every control without a caption points here; drawing compares against it.
inline constexpr char EmptyCaption[] = "";

class Control {
public:
    Control(int32_t id, int32_t kind, int32_t left, int32_t top, int32_t right, int32_t bottom,
            bool visible, int32_t grey);

    int32_t GetId() const { return id; }
    int32_t GetKind() const { return kind; }

    Rect GetRect() const { return rect; }
    void SetRect(const Rect& newRect) { rect = newRect; }
    void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        rect.Set(left, top, right, bottom);
    }

    // The track a scroll thumb may move in; all zero for every other control.
    Rect GetRange() const { return range; }
    void SetRange(const Rect& newRange) { range = newRange; }

    bool IsVisible() const { return visible; }
    void SetVisible(bool shown) { visible = shown; }

    int32_t GetRed() const { return red; }
    int32_t GetGreen() const { return green; }
    int32_t GetBlue() const { return blue; }
    void SetColour(int32_t newRed, int32_t newGreen, int32_t newBlue);
    void SetGrey(int32_t grey) { SetColour(grey, grey, grey); }

    // Captions are never copied: the text must outlive the control (literals do).
    const char* GetCaption() const { return caption; }
    void SetCaption(const char* text) { caption = text != nullptr ? text : EmptyCaption; }
    bool HasCaption() const { return caption[0] != '\0'; }

    // Moves by at most (dx, dy) without leaving the range; each axis on its own.
    void MoveWithinRange(int32_t dx, int32_t dy);

private:
    friend class ControlList;  // Append numbers the control by its position

    int32_t id;
    int32_t kind;
    Rect rect;
    Rect range;
    bool visible;
    int32_t red, green, blue;
    const char* caption = EmptyCaption;
};
