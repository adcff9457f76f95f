// The keyboard poll, driven frame by frame as the engine's loop would: OnKeys
// with the keys the test holds, then OnFrame.
#include <vector>

#include "controls/scroll_thumbs.h"
#include "editor_window.h"
#include "input/keyboard.h"
#include "input/mouse_wheel.h"
#include "input/view_commands.h"

namespace {

using platform::Key;

class Keyboard : public EditorWindow {
  protected:
    void SetUp() override {
        EditorWindow::SetUp();
        currentLevel.mapGrid.columns = 96;
        currentLevel.mapGrid.rows = 80;
        ResetMapScroll();  // thumbs 426 and 512 pixels long
    }

    static void Hold(std::initializer_list<Key> keys) {
        for (Key key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::KeypadPlus, Key::KeypadMinus})
            headless::SetKeyDown(key, false);
        for (Key key : keys) headless::SetKeyDown(key, true);
    }

    static void RunFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            OnKeys();
            OnFrame();
        }
    }
};

TEST_F(Keyboard, ArrowsMoveTheThumbsTenPixelsAFrameAndTheViewFollows) {
    const struct {
        const char* name;
        std::initializer_list<Key> keys;
        int frames;
        int32_t startLeft, startTop;
        int32_t left, top, scrollX, scrollY;
    } cases[] = {
        {"right", {Key::Right}, 3, 0, 0, 30, 0, 4, -1},
        {"down", {Key::Down}, 2, 0, 0, 0, 20, -1, 2},
        {"left", {Key::Left}, 1, 100, 0, 90, 0, 13, -1},
        {"up", {Key::Up}, 4, 0, 100, 0, 60, -1, 7},
        {"left at the track's start", {Key::Left}, 5, 0, 0, 0, 0, 0, -1},
        {"right at the track's end", {Key::Right}, 5, 214, 0, 214, 0, 32, -1},
        {"right stops at the track's end", {Key::Right}, 2, 209, 0, 214, 0, 32, -1},
        {"left and right cancel out", {Key::Left, Key::Right}, 3, 100, 0, 100, 0, 15, -1},
        // At an end the first key of the pair has nothing to undo.
        {"left and right at the start", {Key::Left, Key::Right}, 2, 0, 0, 10, 0, 1, -1},
        {"up and down at the end", {Key::Up, Key::Down}, 2, 0, 128, 0, 128, -1, 16},
        {"up and down at the start", {Key::Up, Key::Down}, 2, 0, 0, 0, 10, -1, 1},
        {"diagonal", {Key::Right, Key::Down}, 1, 0, 0, 10, 10, 1, 1},
    };
    for (const auto& c : cases) {
        FindControl(3)->SetRect(HorizontalThumbRect(c.startLeft, 426));
        FindControl(4)->SetRect(VerticalThumbRect(c.startTop, 512));
        editorState.scrollX = editorState.scrollY = -1;  // a key that acts sets it from its thumb
        Hold(c.keys);
        const int presentsBefore = headless::PresentCount();
        RunFrames(c.frames);
        EXPECT_EQ(RectOf(3).left, c.left) << c.name;
        EXPECT_EQ(RectOf(3).Width(), 426) << c.name;
        EXPECT_EQ(RectOf(4).top, c.top) << c.name;
        EXPECT_EQ(editorState.scrollX, c.scrollX) << c.name;
        EXPECT_EQ(editorState.scrollY, c.scrollY) << c.name;
        // A held arrow repaints every frame, even when the thumb cannot move.
        EXPECT_EQ(headless::PresentCount() - presentsBefore, c.frames) << c.name;
    }
}

TEST_F(Keyboard, NoKeyHeldRepaintsNothing) {
    Hold({});
    const int presentsBefore = headless::PresentCount();
    RunFrames(20);
    EXPECT_EQ(headless::PresentCount(), presentsBefore);
}

// The frames on which a held zoom key acted, seen by its repaint.
std::vector<int32_t> FramesZoomActed(int frames) {
    std::vector<int32_t> acted;
    for (int i = 0; i < frames; ++i) {
        const int presentsBefore = headless::PresentCount();
        const int32_t frame = editorState.frameCount;
        OnKeys();
        if (headless::PresentCount() != presentsBefore) acted.push_back(frame);
        OnFrame();
    }
    return acted;
}

TEST_F(Keyboard, ZoomKeysActOnceInSixFramesAcrossTheCountersWrap) {
    const struct {
        const char* name;
        Key key;
        int32_t cellSize, frameCount, lastZoomKeyFrame;
        int frames;
        std::vector<int32_t> acted;
    } cases[] = {
        {"plus right after start waits six frames", Key::KeypadPlus, 10, 0, 0, 13, {6, 12}},
        {"plus just before the wrap", Key::KeypadPlus, 10, 5037, 5031, 14, {5037, 3, 9}},
        {"minus across the wrap", Key::KeypadMinus, 40, 5036, 5035, 12, {1, 7}},
        // The gate closes even where the zoom is already at its end.
        {"plus at the largest zoom", Key::KeypadPlus, 40, 100, 0, 7, {100, 106}},
        {"minus at the smallest zoom", Key::KeypadMinus, 10, 4000, 3990, 7, {4000, 4006}},
    };
    for (const auto& c : cases) {
        editorState.cellSize = c.cellSize;
        editorState.frameCount = c.frameCount;
        editorState.lastZoomKeyFrame = c.lastZoomKeyFrame;
        Hold({c.key});
        EXPECT_EQ(FramesZoomActed(c.frames), c.acted) << c.name;
    }
}

TEST_F(Keyboard, ZoomKeysRunTheZoomButtonsCommands) {
    const struct {
        std::initializer_list<Key> keys;
        int32_t cellSize, after;
    } cases[] = {
        {{Key::KeypadPlus}, 10, 20},
        {{Key::KeypadPlus}, 20, 40},
        {{Key::KeypadPlus}, 40, 40},
        {{Key::KeypadMinus}, 40, 20},
        {{Key::KeypadMinus}, 10, 10},
        // Plus acts and the gate it closed holds minus back.
        {{Key::KeypadPlus, Key::KeypadMinus}, 20, 40},
    };
    for (const auto& c : cases) {
        editorState.cellSize = c.cellSize;
        editorState.frameCount = 50;
        editorState.lastZoomKeyFrame = 0;
        Hold(c.keys);
        OnKeys();
        EXPECT_EQ(editorState.cellSize, c.after) << c.cellSize;
        EXPECT_EQ(editorState.lastZoomKeyFrame, 50) << c.cellSize;
    }
}

TEST_F(Keyboard, KeysWorkOnEveryScreen) {
    const struct {
        const char* name;
        bool infoMode;
        int32_t helpPage;
    } cases[] = {{"object page", false, 0}, {"information page", true, 0}, {"help page 1", false, 1},
                 {"help page 2 over the information page", true, 2}};
    for (const auto& c : cases) {
        editorState.infoMode = c.infoMode;
        editorState.helpPage = c.helpPage;
        editorState.cellSize = 10;
        ResetMapScroll();
        editorState.frameCount = 50;
        editorState.lastZoomKeyFrame = 0;
        // Zoom in first: zooming out would put the view back in the corner.
        Hold({Key::KeypadPlus, Key::Right, Key::Down});
        OnKeys();
        EXPECT_EQ(editorState.cellSize, 20) << c.name;
        EXPECT_EQ(RectOf(3).left, 10) << c.name;
        EXPECT_EQ(RectOf(4).top, 10) << c.name;
        EXPECT_EQ(editorState.scrollX, 1) << c.name;
        EXPECT_EQ(editorState.scrollY, 1) << c.name;
    }
}

TEST_F(Keyboard, EachWheelNotchMovesAThumbThirtyPixelsOrZoomsOneStep) {
    const struct {
        const char* name;
        int right, down;
        bool ctrl, shift;
        int32_t startLeft, startTop, cellSize;
        int32_t left, top, cellSizeAfter;
    } cases[] = {
        {"up", 0, -1, false, false, 0, 100, 10, 0, 70, 10},
        {"two notches down at once, to the track's end", 0, 2, false, false, 0, 100, 10, 0, 128, 10},
        {"Shift with up", 0, -1, false, true, 100, 0, 10, 70, 0, 10},
        {"tilted right", 1, 0, false, false, 0, 0, 10, 30, 0, 10},
        {"Ctrl with two notches up", 0, -2, true, false, 0, 0, 10, 0, 0, 40},
        {"Ctrl and Shift with down", 0, 1, true, true, 0, 0, 20, 0, 0, 10},
    };
    for (const auto& c : cases) {
        editorState.cellSize = c.cellSize;
        FindControl(3)->SetRect(HorizontalThumbRect(c.startLeft, 426));
        FindControl(4)->SetRect(VerticalThumbRect(c.startTop, 512));
        ScrollXFromThumb();
        ScrollYFromThumb();
        const int presentsBefore = headless::PresentCount();
        OnWheel(c.right, c.down, c.ctrl, c.shift);
        EXPECT_EQ(RectOf(3).left, c.left) << c.name;
        EXPECT_EQ(RectOf(4).top, c.top) << c.name;
        EXPECT_EQ(editorState.cellSize, c.cellSizeAfter) << c.name;
        // The scroll follows the thumb, as for the keys.
        EXPECT_EQ(editorState.scrollX, c.left * 96 / 640) << c.name;
        EXPECT_EQ(editorState.scrollY, c.top * 80 / 640) << c.name;
        EXPECT_EQ(headless::PresentCount(), presentsBefore + 1) << c.name;
    }
}

}  // namespace
