// GameEngine: window creation, event routing, the frame rule and the joystick poll.
#include "engine/game_engine.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "engine/platform_files.h"
#include "engine/program_options.h"

GameEngine* GameEngine::current = nullptr;

namespace {
constexpr uint32_t HalfRange = 0x80000000u;
}

bool FrameClock::TakeFrame(uint32_t now, int32_t frameDelay) {
    if (!started) {
        // The schedule starts at the first tick read, whatever the machine's uptime.
        started = true;
        nextFrame = now;
    }
    const uint32_t sinceDue = now - nextFrame;
    if (sinceDue == 0 || sinceDue >= HalfRange) return false;
    nextFrame = now + uint32_t(frameDelay);
    return true;
}

uint32_t FrameClock::WaitBefore(uint32_t now) const {
    if (!started) return 0;
    const uint32_t sinceDue = now - nextFrame;
    if (sinceDue != 0 && sinceDue < HalfRange) return 0;
    // A frame runs once the tick is past the due time, one millisecond after it.
    return nextFrame - now + 1;
}

void CopyTextField(char* field, int capacity, const char* text) {
    size_t length = text ? std::strlen(text) : 0;
    if (length > size_t(capacity - 1)) {
        length = size_t(capacity - 1);
        // Step back over UTF-8 continuation bytes so no character is cut in half.
        while (length > 0 && (uint8_t(text[length]) & 0xC0) == 0x80) --length;
    }
    if (length > 0) std::memcpy(field, text, length);
    field[length] = '\0';
}

GameEngine::GameEngine(InstanceHandle instanceHandle, const char* classNameText,
                       const char* titleText, uint16_t icon, uint16_t smallIcon,
                       int32_t clientWidth, int32_t clientHeight, const EngineHooks& givenHooks)
    : instance(instanceHandle), iconId(icon), smallIconId(smallIcon), width(clientWidth),
      height(clientHeight), hooks(givenHooks) {
    CopyTextField(className, TextCapacity, classNameText);
    CopyTextField(title, TextCapacity, titleText);
    current = this;
}

GameEngine::~GameEngine() {
    if (current == this) current = nullptr;
}

bool GameEngine::CreateMainWindow(int) {
    platform::WindowSpec request;
    request.className = className;
    request.title = title;
    request.width = width;
    request.height = height;
    request.iconId = iconId;
    request.smallIconId = smallIconId;
    request.requestedScale = requestedScale;
    if (!platform::CreateMainWindow(request)) return false;
    // The window exists once creation succeeded; its handle is only a token to us.
    SetWindowHandle(this);
    hooks.onStart(window);
    platform::ShowMainWindow();
    RouteEvent({platform::EventType::Paint});
    return true;
}

void GameEngine::RouteEvent(const platform::Event& event) {
    using platform::EventType;
    switch (event.type) {
    case EventType::Close:
        // The window is destroyed without a question; nothing is saved. The end
        // hook may delete this engine: nothing may follow it.
        platform::DestroyMainWindow();
        hooks.onEnd();
        return;
    case EventType::Activate:
        hooks.onActivate(window);
        SetAsleep(false);
        break;
    case EventType::Deactivate:
        hooks.onDeactivate(window);
        SetAsleep(true);
        break;
    case EventType::Paint:
        if (paintSurface.Width() != width || paintSurface.Height() != height)
            paintSurface.Resize(width, height);
        hooks.onPaint(paintSurface);
        platform::Present(paintSurface);
        break;
    case EventType::MouseDown:
        // Held from before the hook runs: the press may open a message box.
        (event.leftButton ? leftHeld : rightHeld) = true;
        hooks.onMouseDown(event.x, event.y, event.leftButton);
        break;
    case EventType::MouseUp:
        (event.leftButton ? leftHeld : rightHeld) = false;
        hooks.onMouseUp(event.x, event.y, event.leftButton);
        break;
    case EventType::MouseMove:
        hooks.onMouseMove(event.x, event.y);
        break;
    case EventType::KeyPress:
        hooks.onKeyPress(event.key, event.ctrl, event.shift);
        break;
    case EventType::Wheel:
        hooks.onWheel(event.notchesRight, event.notchesDown, event.ctrl, event.shift);
        break;
    }
    DeliverReleasesLostInMessageBoxes();
}

void GameEngine::DeliverReleasesLostInMessageBoxes() {
    platform::MouseState mouse;
    // A release handed over here could open a box in turn, hence the loop.
    while (platform::TakeMouseAfterMessageBox(mouse)) {
        // A release arrives only over the client area: the pointer counts where
        // it is, brought to the nearest client pixel.
        const int x = std::clamp(mouse.x, 0, std::max(width - 1, 0));
        const int y = std::clamp(mouse.y, 0, std::max(height - 1, 0));
        if (leftHeld && !mouse.leftDown) {
            leftHeld = false;
            hooks.onMouseUp(x, y, true);
        }
        if (rightHeld && !mouse.rightDown) {
            rightHeld = false;
            hooks.onMouseUp(x, y, false);
        }
    }
}

bool GameEngine::RunFrameIfDue(uint32_t now) {
    if (asleep || !frameClock.TakeFrame(now, frameDelay)) return false;
    hooks.onKeys();
    PollJoystick();
    hooks.onFrame();
    DeliverReleasesLostInMessageBoxes();
    return true;
}

int GameEngine::RunMessageLoop() {
    // `this` may be deleted by the end hook inside RouteEvent, so the loop keeps no member
    // access after a Close event.
    for (;;) {
        GameEngine* engine = Current();
        if (engine == nullptr) return 0;
        uint32_t timeout = std::numeric_limits<uint32_t>::max();
        if (!engine->asleep) timeout = engine->frameClock.WaitBefore(platform::Ticks());
        platform::Event event;
        if (platform::WaitEvent(event, timeout)) {
            const bool closing = event.type == platform::EventType::Close;
            engine->RouteEvent(event);
            if (closing) return 0;
        } else {
            engine->RunFrameIfDue(platform::Ticks());
        }
        // A fatal error ends the loop as a posted quit message would.
        if (engine->quitRequested) return 0;
    }
}

void GameEngine::ShowFatalError(const char* text) {
    platform::ShowMessageBox(text ? text : "", "Critical Error", platform::MessageButtons::Ok);
    quitRequested = true;
}

bool GameEngine::OpenJoystick() {
    if (platform::JoystickCount() <= 0) return false;
    platform::JoystickReading reading;
    if (!platform::ReadJoystick(0, reading)) return false;
    joystickId = 0;
    platform::JoystickRange range;
    if (!platform::JoystickCaps(0, range)) return false;
    const uint32_t centreX = (range.minX + range.maxX) >> 1;
    const uint32_t centreY = (range.minY + range.maxY) >> 1;
    joystickTrip.left = int32_t((range.minX + (centreX & 0xFFFF)) / 2);
    joystickTrip.right = int32_t(((centreX & 0xFFFF) + range.maxX) / 2);
    joystickTrip.top = int32_t((range.minY + (centreY & 0xFFFF)) / 2);
    joystickTrip.bottom = int32_t(((centreY & 0xFFFF) + range.maxY) / 2);
    return true;
}

void GameEngine::StartJoystickCapture() {
    if (joystickId == 0) platform::CaptureJoystick(joystickId, true);
}

void GameEngine::StopJoystickCapture() {
    if (joystickId == 0) platform::CaptureJoystick(joystickId, false);
}

void GameEngine::PollJoystick() {
    if (joystickId != 0) return;
    uint16_t flags = 0;
    platform::JoystickReading reading;
    if (platform::ReadJoystick(joystickId, reading)) {
        const uint32_t tripLeft = uint32_t(joystickTrip.left) & 0xFFFF;
        const uint32_t tripRight = uint32_t(joystickTrip.right) & 0xFFFF;
        const uint32_t tripTop = uint32_t(joystickTrip.top) & 0xFFFF;
        const uint32_t tripBottom = uint32_t(joystickTrip.bottom) & 0xFFFF;
        if (reading.x < tripLeft) flags |= JoyLeft;
        else if (reading.x > tripRight) flags |= JoyRight;
        if (reading.y < tripTop) flags |= JoyUp;
        else if (reading.y > tripBottom) flags |= JoyDown;
        if (reading.button1) flags |= JoyFire1;
        if (reading.button2) flags |= JoyFire2;
    }
    hooks.onJoystick(flags);
}

int RunProgram(const char* programName, bool (*initialize)(InstanceHandle), void (*onEnd)()) {
    ProgramOptions options;
    std::string problem;
    if (ParseProgramOptions(platform::ProgramArguments(), options, problem) && !options.folder.empty() &&
        !platform::ChangeWorkingFolder(options.folder.c_str()))
        problem = "cannot work in '" + options.folder + "': no such folder, or it cannot be entered";
    if (!problem.empty()) {
        platform::ReportStartupError(programName, problem + "\n" + UsageLine(programName));
        return BadArgumentsExitCode;
    }
    if (!initialize(nullptr)) {
        onEnd();
        return 1;
    }
    GameEngine* engine = GameEngine::Current();
    if (engine == nullptr) return 0;
    engine->SetRequestedScale(options.scale);
    if (!engine->CreateMainWindow(1)) return 0;
    return engine->RunMessageLoop();
}
