#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/editor.h"
#include "engine/game_engine.h"
#include "engine/headless/headless.h"

namespace {

struct FrameStep {
    uint32_t now;
    bool frameRuns;
};

struct FrameCase {
    const char* name;
    std::vector<FrameStep> steps;
};

// Frames are due once the tick is past the due time; the first due time is the
// first tick the loop reads, and a frame sets the next one 25 ms later.
std::vector<FrameStep> ScheduleFrom(uint32_t start) {
    return {{start, false},       {start + 1, true},    {start + 2, false},
            {start + 26, false},  {start + 27, true},   {start + 500, true},  // late: not made up
            {start + 501, false}, {start + 525, false}, {start + 526, true}};
}

void PrintTo(const FrameCase& c, std::ostream* out) { *out << c.name; }

class FrameRule : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameRule, RunsAtMostOncePerDelayWhateverTheClock) {
    FrameClock clock;
    for (const FrameStep& step : GetParam().steps)
        EXPECT_EQ(clock.TakeFrame(step.now, 25), step.frameRuns) << "at tick " << step.now;
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, FrameRule,
    testing::Values(FrameCase{"FreshBoot", ScheduleFrom(0)},
                    FrameCase{"UpTwoDays", ScheduleFrom(2u * 24 * 3600 * 1000)},
                    FrameCase{"PastSignedLimit", ScheduleFrom(0x80000005u)},
                    FrameCase{"AcrossTheWrap", ScheduleFrom(0xFFFFFFF0u)},
                    FrameCase{"JustBelowSignedLimit", ScheduleFrom(0x7FFFFFF0u)}),
    [](const testing::TestParamInfo<FrameCase>& info) { return info.param.name; });

TEST(FrameRule, WaitEndsWhenTheNextFrameIsDue) {
    FrameClock clock;
    const uint32_t start = 0xFFFFFFF8u;
    EXPECT_EQ(clock.WaitBefore(start), 0u);  // nothing read yet
    ASSERT_FALSE(clock.TakeFrame(start, 25));
    ASSERT_TRUE(clock.TakeFrame(start + 1, 25));
    const uint32_t wait = clock.WaitBefore(start + 1);
    EXPECT_EQ(wait, 26u);
    EXPECT_FALSE(clock.TakeFrame(start + wait, 25));
    EXPECT_TRUE(clock.TakeFrame(start + 1 + wait, 25));
    EXPECT_EQ(clock.WaitBefore(start + 500), 0u);  // overdue: no waiting
}

TEST(TextField, CutsLongTextAtACharacterBoundary) {
    char field[GameEngine::TextCapacity];
    const char* title = "Tarnhold地图编辑器（国外版）";
    CopyTextField(field, sizeof field, title);
    EXPECT_STREQ(field, title);  // 38 bytes fit

    std::string longTitle(60, 'a');
    longTitle += "地图";  // 3-byte characters straddling the 63-byte limit
    CopyTextField(field, sizeof field, longTitle.c_str());
    EXPECT_EQ(std::strlen(field), 63u);
    EXPECT_EQ(std::string(field), longTitle.substr(0, 63));

    longTitle = std::string(62, 'a') + "地";
    CopyTextField(field, sizeof field, longTitle.c_str());
    EXPECT_EQ(std::string(field), std::string(62, 'a'));
}

class EngineRun : public testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ResetEditorGlobals();
    }
    void TearDown() override {
        ResetEditorGlobals();
        headless::Reset();
    }
};

TEST_F(EngineRun, StartsWithTheFieldsTheEditorGives) {
    ASSERT_TRUE(EditorInitialize(nullptr));
    GameEngine* engine = GameEngine::Current();
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine, editorEngine);
    EXPECT_EQ(engine->ClientWidth(), 940);
    EXPECT_EQ(engine->ClientHeight(), 695);
    EXPECT_EQ(engine->FrameDelay(), 25);
    EXPECT_TRUE(engine->IsAsleep());
    EXPECT_EQ(engine->GetWindowHandle(), nullptr);
    EXPECT_STREQ(engine->Title(), "Tarnhold地图编辑器（国外版）");
    EXPECT_STREQ(engine->ClassName(), engine->Title());
}

TEST_F(EngineRun, NoFrameRunsWhileAsleep) {
    ASSERT_TRUE(EditorInitialize(nullptr));
    GameEngine* engine = GameEngine::Current();
    EXPECT_FALSE(engine->RunFrameIfDue(100));
    EXPECT_FALSE(engine->RunFrameIfDue(200));
    engine->RouteEvent({platform::EventType::Activate});
    EXPECT_FALSE(engine->IsAsleep());
    EXPECT_FALSE(engine->RunFrameIfDue(300));  // the schedule starts here
    EXPECT_TRUE(engine->RunFrameIfDue(301));
    engine->RouteEvent({platform::EventType::Deactivate});
    EXPECT_FALSE(engine->RunFrameIfDue(1000));
    engine->RouteEvent({platform::EventType::Activate});
    EXPECT_TRUE(engine->RunFrameIfDue(1001));  // resumes without catching up
    EXPECT_FALSE(engine->RunFrameIfDue(1002));
}

TEST_F(EngineRun, CreatingTheWindowRunsStartUpAndPaintsTheFirstFrame) {
    ASSERT_TRUE(EditorInitialize(nullptr));
    ASSERT_TRUE(GameEngine::Current()->CreateMainWindow(1));
    EXPECT_TRUE(headless::WindowShown());
    EXPECT_NE(GameEngine::Current()->GetWindowHandle(), nullptr);
    const Canvas& frame = headless::LastFrame();
    ASSERT_EQ(frame.Width(), 940);
    ASSERT_EQ(frame.Height(), 695);
    // Between the map view, its scroll bars and the bottom bar only the background shows.
    for (auto [x, y] : {std::pair{642, 300}, {300, 667}, {667, 692}})
        EXPECT_EQ(frame.Pixel(x, y), Rgb(45, 50, 46));
}

TEST_F(EngineRun, ClosingTheWindowEndsTheProgramWithCodeZero) {
    headless::SetTicks(0xFFFFFF00u);
    headless::PushEvent({platform::EventType::Activate});
    headless::PushEvent({platform::EventType::MouseMove, 10, 10});
    headless::CloseWindowAt(0x00000100u);  // across the counter's wrap
    EXPECT_EQ(RunEditorProgram(), 0);
    EXPECT_EQ(GameEngine::Current(), nullptr);  // OnEnd released the engine
    EXPECT_FALSE(headless::WindowExists());
}

TEST_F(EngineRun, AFailedWindowExitsWithCodeZeroAndNoMessage) {
    headless::SetWindowCreationFails(true);
    EXPECT_EQ(RunEditorProgram(), 0);
    EXPECT_TRUE(headless::Messages().empty());
}

TEST_F(EngineRun, FatalErrorShowsOneOkBoxAndEndsTheLoop) {
    ASSERT_TRUE(EditorInitialize(nullptr));
    GameEngine* engine = GameEngine::Current();
    ASSERT_TRUE(engine->CreateMainWindow(1));
    engine->ShowFatalError("磁盘已满");
    ASSERT_EQ(headless::Messages().size(), 1u);
    EXPECT_EQ(headless::Messages()[0].caption, "Critical Error");
    EXPECT_EQ(headless::Messages()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(engine->RunMessageLoop(), 0);
}

// The end-to-end tools hold a key for a while between two events: the change
// takes effect in queue order and a pause lets time pass before what follows.
TEST(HeadlessInput, KeyChangesAndPausesKeepTheirPlaceAmongTheEvents) {
    using platform::Key;
    headless::Reset();
    headless::PushEvent({platform::EventType::MouseMove, 1, 1});
    headless::PushKeyChange(Key::Right, true);
    headless::PushPause(50);
    headless::PushKeyChange(Key::Right, false);
    headless::PushEvent({platform::EventType::MouseMove, 2, 2});
    platform::Event event;
    ASSERT_TRUE(platform::WaitEvent(event, 30));
    EXPECT_EQ(event.x, 1);
    EXPECT_FALSE(platform::IsKeyDown(Key::Right));  // still behind the first event
    struct Step {
        uint32_t timeout;
        uint32_t ticksAfter;
    };
    // The pause runs out in the loop's waits, a due frame (timeout 0) taking no time.
    for (const Step step : {Step{30, 30}, Step{0, 30}, Step{30, 50}}) {
        EXPECT_FALSE(platform::WaitEvent(event, step.timeout));
        EXPECT_TRUE(platform::IsKeyDown(Key::Right));
        EXPECT_EQ(platform::Ticks(), step.ticksAfter);
    }
    ASSERT_TRUE(platform::WaitEvent(event, 30));
    EXPECT_EQ(event.x, 2);
    EXPECT_FALSE(platform::IsKeyDown(Key::Right));
    EXPECT_EQ(platform::Ticks(), 50u);
    headless::Reset();
}

// The hooks an engine was handed, each writing what reached it.
std::string hookCalls;
EngineHooks RecordingHooks() {
    EngineHooks hooks;
    hooks.onEnd = [] { hookCalls += "end;"; };
    hooks.onActivate = [](WindowHandle) { hookCalls += "activate;"; };
    hooks.onDeactivate = [](WindowHandle) { hookCalls += "deactivate;"; };
    hooks.onPaint = [](Canvas& target) { hookCalls += "paint " + std::to_string(target.Width()) + ";"; };
    hooks.onMouseDown = [](int x, int y, bool left) {
        hookCalls += "down " + std::to_string(x) + "," + std::to_string(y) + (left ? " left;" : " right;");
    };
    hooks.onMouseUp = [](int x, int y, bool left) {
        hookCalls += "up " + std::to_string(x) + "," + std::to_string(y) + (left ? " left;" : " right;");
    };
    hooks.onMouseMove = [](int x, int y) { hookCalls += "move " + std::to_string(x) + "," + std::to_string(y) + ";"; };
    hooks.onJoystick = [](uint16_t flags) { hookCalls += "joystick " + std::to_string(flags) + ";"; };
    hooks.onKeyPress = [](platform::PressedKey key, bool ctrl, bool shift) {
        hookCalls += "key " + std::to_string(int(key)) + (ctrl ? " ctrl" : "") + (shift ? " shift" : "") + ";";
    };
    hooks.onWheel = [](int right, int down, bool ctrl, bool shift) {
        hookCalls += "wheel " + std::to_string(right) + "," + std::to_string(down) + (ctrl ? " ctrl" : "") +
                     (shift ? " shift" : "") + ";";
    };
    return hooks;
}

TEST(EngineHooks, EachEventReachesItsOwnHook) {
    using platform::EventType;
    const struct {
        platform::Event event;
        const char* calls;
    } cases[] = {
        {{EventType::Activate}, "activate;"},
        {{EventType::Deactivate}, "deactivate;"},
        {{EventType::Paint}, "paint 10;"},
        {{EventType::MouseDown, 3, 4, true}, "down 3,4 left;"},
        {{EventType::MouseUp, 5, 6, false}, "up 5,6 right;"},
        {{EventType::MouseMove, 7, 8}, "move 7,8;"},
        {{.type = EventType::KeyPress, .key = platform::PressedKey::Z, .ctrl = true}, "key 3 ctrl;"},
        {{.type = EventType::Wheel, .shift = true, .notchesRight = -1, .notchesDown = 2}, "wheel -1,2 shift;"},
        {{EventType::Close}, "end;"},
    };
    headless::Reset();
    for (const auto& c : cases) {
        GameEngine engine(nullptr, "c", "t", 1, 2, 10, 10, RecordingHooks());
        hookCalls.clear();
        engine.RouteEvent(c.event);
        EXPECT_EQ(hookCalls, c.calls);
    }
    headless::Reset();
}

TEST(Joystick, WithoutADeviceThePollStillReachesTheHook) {
    headless::Reset();
    GameEngine engine(nullptr, "c", "t", 1, 2, 10, 10, RecordingHooks());
    EXPECT_FALSE(engine.OpenJoystick());
    hookCalls.clear();
    engine.PollJoystick();  // must not crash; the flags are empty
    EXPECT_EQ(hookCalls, "joystick 0;");
    EXPECT_EQ(engine.JoystickId(), 0u);
}

}  // namespace
