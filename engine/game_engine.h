// GameEngine: the program's frame. It owns the one main window, runs the event loop
// with its fixed frame rate and turns window events into calls of the hooks it was
// given. It knows nothing of what the program above it does with them.
#pragma once

#include <cstdint>

#include "engine/canvas.h"
#include "engine/platform.h"

using InstanceHandle = void*;
using WindowHandle = void*;

enum JoystickFlags : uint16_t {
    JoyLeft = 0x01,
    JoyRight = 0x02,
    JoyUp = 0x04,
    JoyDown = 0x08,
    JoyFire1 = 0x10,
    JoyFire2 = 0x20,
};

struct JoystickTrip {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// Decides when a frame is due. Ticks are compared by their unsigned difference, so
// the rule holds across the wrap of the 32-bit millisecond counter.
struct FrameClock {
    bool started = false;
    uint32_t nextFrame = 0;

    // True when a frame runs at `now`; then the next one is due `frameDelay` later.
    bool TakeFrame(uint32_t now, int32_t frameDelay);
    // How long the loop may wait at `now` before the next frame is due.
    uint32_t WaitBefore(uint32_t now) const;
};

// The hooks the program above the engine hands over when it creates the engine, one
// per event. An engine given no table calls hooks that do nothing.
struct EngineHooks {
    void (*onStart)(WindowHandle window) = [](WindowHandle) {};
    void (*onEnd)() = [] {};
    void (*onActivate)(WindowHandle window) = [](WindowHandle) {};
    void (*onDeactivate)(WindowHandle window) = [](WindowHandle) {};
    void (*onPaint)(Canvas& target) = [](Canvas&) {};
    void (*onFrame)() = [] {};
    void (*onKeys)() = [] {};
    void (*onMouseDown)(int x, int y, bool leftButton) = [](int, int, bool) {};
    void (*onMouseUp)(int x, int y, bool leftButton) = [](int, int, bool) {};
    void (*onMouseMove)(int x, int y) = [](int, int) {};
    void (*onKeyPress)(platform::PressedKey key, bool ctrl, bool shift) = [](platform::PressedKey, bool, bool) {};
    void (*onWheel)(int notchesRight, int notchesDown, bool ctrl, bool shift) = [](int, int, bool, bool) {};
    void (*onJoystick)(uint16_t flags) = [](uint16_t) {};
};

class GameEngine {
public:
    static constexpr int TextCapacity = 64;

    GameEngine(InstanceHandle instance, const char* className, const char* title,
               uint16_t iconId, uint16_t smallIconId, int32_t width, int32_t height,
               const EngineHooks& hooks = {});
    virtual ~GameEngine();

    static GameEngine* Current() { return current; }

    bool CreateMainWindow(int showCommand);
    // Runs until the window closes; returns the exit code.
    int RunMessageLoop();
    // One window event, as the window procedure routes a message.
    void RouteEvent(const platform::Event& event);
    void ShowFatalError(const char* text);

    bool OpenJoystick();
    void StartJoystickCapture();
    void StopJoystickCapture();
    void PollJoystick();

    InstanceHandle GetInstanceHandle() const { return instance; }
    WindowHandle GetWindowHandle() const { return window; }
    const char* ClassName() const { return className; }
    const char* Title() const { return title; }
    int32_t ClientWidth() const { return width; }
    int32_t ClientHeight() const { return height; }
    int32_t FrameDelay() const { return frameDelay; }
    bool IsAsleep() const { return asleep; }
    uint32_t JoystickId() const { return joystickId; }
    const JoystickTrip& Trip() const { return joystickTrip; }

    void SetWindowHandle(WindowHandle handle) { window = handle; }
    void SetAsleep(bool value) { asleep = value; }
    void SetFramesPerSecond(int framesPerSecond) { frameDelay = 1000 / framesPerSecond; }
    // The window's scale from the command line (1..4); 0 leaves it to the display.
    void SetRequestedScale(int scale) { requestedScale = scale; }

    // Runs one pass of the frame rule at `now`: a frame when awake and due.
    bool RunFrameIfDue(uint32_t now);

private:
    static GameEngine* current;

    InstanceHandle instance;
    WindowHandle window = nullptr;
    char className[TextCapacity] = {};
    char title[TextCapacity] = {};
    uint16_t iconId;
    uint16_t smallIconId;
    int32_t width;
    int32_t height;
    int32_t frameDelay = 50;
    bool asleep = true;
    uint32_t joystickId = 0;
    JoystickTrip joystickTrip;
    int requestedScale = 0;

    // Hands the hooks the release of a button they were told went down, when a
    // message box that has just closed swallowed it.
    void DeliverReleasesLostInMessageBoxes();

    EngineHooks hooks;
    FrameClock frameClock;
    // The buttons the hooks last heard go down and not yet up.
    bool leftHeld = false;
    bool rightHeld = false;
    bool quitRequested = false;
    Canvas paintSurface;  // what the system's paint requests draw into
};

// Copies UTF-8 `text` into `field` of `capacity` bytes, cut at a character boundary.
void CopyTextField(char* field, int capacity, const char* text);

// The program's entry point, shared by every backend's main. It first reads the
// command line (engine/program_options.h) and enters the folder given there; bad
// arguments are reported under `programName` and end it with BadArgumentsExitCode.
// Then `initialize` creates the engine with its hooks; when it fails, `onEnd`
// releases whatever it left behind.
constexpr int BadArgumentsExitCode = 2;
int RunProgram(const char* programName, bool (*initialize)(InstanceHandle instance), void (*onEnd)());
