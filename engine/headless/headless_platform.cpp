// The headless backend: the platform layer for unit tests and tools.
#include <algorithm>
#include <deque>
#include <limits>

#include "engine/frame_changes.h"
#include "engine/headless/headless.h"
#include "engine/window_scale.h"
#include "resources/resource_table.h"

namespace {

// One entry of the input queue: an event, a key going down or up, a pause
// during which time passes and frames run, or a change of the real mouse that
// no window sees. Key changes and pauses let a script hold a key for a while
// between two events.
struct QueuedInput {
    enum class What { Event, KeyChange, Pause, Unseen } what = What::Event;
    platform::Event event{};
    platform::Key key = platform::Key::Left;
    bool down = false;
    uint32_t pauseMs = 0;
    bool pauseStarted = false;
    uint32_t pauseEnd = 0;
};

struct HeadlessMachine {
    std::deque<QueuedInput> queue;
    uint32_t ticks = 0;
    bool keys[6] = {};
    std::deque<platform::MessageAnswer> answers;
    std::vector<headless::RecordedMessage> messages;
    Canvas lastFrame;
    FrameChanges changes;
    int presentCount = 0;
    bool windowExists = false;
    bool windowShown = false;
    bool creationFails = false;
    bool closeArmed = false;
    uint32_t closeAt = 0;
    platform::MouseState mouse;
    bool boxClosed = false;
    platform::MouseState mouseAfterBox;
    std::vector<std::string> arguments;
};

HeadlessMachine machine;

void MoveRealMouse(const platform::Event& event) {
    using platform::EventType;
    if (event.type != EventType::MouseDown && event.type != EventType::MouseUp && event.type != EventType::MouseMove)
        return;
    machine.mouse.x = event.x;
    machine.mouse.y = event.y;
    if (event.type != EventType::MouseMove)
        (event.leftButton ? machine.mouse.leftDown : machine.mouse.rightDown) = event.type == EventType::MouseDown;
}

}  // namespace

namespace headless {

void Reset() { machine = HeadlessMachine{}; }
void PushEvent(const platform::Event& event) {
    QueuedInput input;
    input.event = event;
    machine.queue.push_back(input);
}
void PushKeyChange(platform::Key key, bool down) {
    QueuedInput input;
    input.what = QueuedInput::What::KeyChange;
    input.key = key;
    input.down = down;
    machine.queue.push_back(input);
}
void PushPause(uint32_t ms) {
    QueuedInput input;
    input.what = QueuedInput::What::Pause;
    input.pauseMs = ms;
    machine.queue.push_back(input);
}
void PushUnseen(const platform::Event& event) {
    QueuedInput input;
    input.what = QueuedInput::What::Unseen;
    input.event = event;
    machine.queue.push_back(input);
}
void SetProgramArguments(const std::vector<std::string>& arguments) { machine.arguments = arguments; }
void SetTicks(uint32_t ticks) { machine.ticks = ticks; }
void SetKeyDown(platform::Key key, bool down) { machine.keys[int(key)] = down; }
void QueueAnswer(platform::MessageAnswer answer) { machine.answers.push_back(answer); }
const std::vector<RecordedMessage>& Messages() { return machine.messages; }
void ClearMessages() { machine.messages.clear(); }
const Canvas& LastFrame() { return machine.lastFrame; }
int PresentCount() { return machine.presentCount; }
bool WindowExists() { return machine.windowExists; }
bool WindowShown() { return machine.windowShown; }
void SetWindowCreationFails(bool fails) { machine.creationFails = fails; }
void CloseWindowAt(uint32_t ticks) {
    machine.closeArmed = true;
    machine.closeAt = ticks;
}

}  // namespace headless

namespace platform {

bool CreateMainWindow(const WindowSpec&) {
    if (machine.creationFails) return false;
    machine.windowExists = true;
    return true;
}

void ShowMainWindow() {
    machine.windowShown = true;
    // A hidden window showed none of the frames presented to it.
    machine.changes.SendWholeNext();
}

void DestroyMainWindow() {
    machine.windowExists = false;
    machine.windowShown = false;
}

bool WaitEvent(Event& event, uint32_t timeoutMs) {
    while (!machine.queue.empty()) {
        QueuedInput& next = machine.queue.front();
        if (next.what == QueuedInput::What::KeyChange) {
            machine.keys[int(next.key)] = next.down;
            machine.queue.pop_front();
            continue;
        }
        if (next.what == QueuedInput::What::Unseen) {
            MoveRealMouse(next.event);
            machine.queue.pop_front();
            continue;
        }
        if (next.what == QueuedInput::What::Pause) {
            if (!next.pauseStarted) {
                next.pauseStarted = true;
                next.pauseEnd = machine.ticks + next.pauseMs;
            }
            const uint32_t left = next.pauseEnd - machine.ticks;
            if (left == 0 || left > std::numeric_limits<uint32_t>::max() / 2) {
                machine.queue.pop_front();
                continue;
            }
            // The loop sleeps as it would with nothing to do, but no longer than the pause.
            machine.ticks += std::min(timeoutMs, left);
            return false;
        }
        event = next.event;
        machine.queue.pop_front();
        MoveRealMouse(event);
        if (event.type == EventType::Paint) machine.changes.SendWholeNext();
        return true;
    }
    if (machine.closeArmed) {
        const uint32_t left = machine.closeAt - machine.ticks;
        if (left == 0 || left > std::numeric_limits<uint32_t>::max() / 2 || timeoutMs >= left) {
            machine.ticks = machine.closeAt;
            machine.closeArmed = false;
            event = Event{EventType::Close};
            return true;
        }
    }
    if (timeoutMs != std::numeric_limits<uint32_t>::max()) machine.ticks += timeoutMs;
    return false;
}

void Present(const Canvas& frame) {
    ++machine.presentCount;
    const std::vector<PixelRect>& areas = machine.changes.Take(frame, UnscaledDpi);
    Canvas& window = machine.lastFrame;
    if (window.Width() != frame.Width() || window.Height() != frame.Height())
        window.Resize(frame.Width(), frame.Height());
    for (const PixelRect& area : areas)
        for (int y = area.top; y < area.bottom; ++y)
            std::copy(frame.Row(y) + area.left, frame.Row(y) + area.right, window.Row(y) + area.left);
}

void PresentWholeFrames(bool whole) { machine.changes.SendWholeFrames(whole); }

std::span<const PixelRect> LastPresentAreas() { return machine.changes.Areas(); }

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
    machine.messages.push_back({std::string(text), std::string(caption), buttons});
    while (!machine.queue.empty() && machine.queue.front().what == QueuedInput::What::Unseen) {
        MoveRealMouse(machine.queue.front().event);
        machine.queue.pop_front();
    }
    machine.boxClosed = true;
    machine.mouseAfterBox = machine.mouse;
    if (machine.answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = machine.answers.front();
    machine.answers.pop_front();
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
}

bool TakeMouseAfterMessageBox(MouseState& mouse) {
    if (!machine.boxClosed) return false;
    machine.boxClosed = false;
    mouse = machine.mouseAfterBox;
    return true;
}

std::vector<std::string> ProgramArguments() { return machine.arguments; }

void ReportStartupError(std::string_view programName, std::string_view text) {
    machine.messages.push_back({std::string(text), std::string(programName), MessageButtons::Ok});
}

bool IsKeyDown(Key key) { return machine.keys[int(key)]; }
uint32_t Ticks() { return machine.ticks; }

std::span<const uint8_t> BitmapResource(uint16_t id) { return FindEmbeddedBitmap(id); }

int JoystickCount() { return 0; }
bool ReadJoystick(uint32_t, JoystickReading&) { return false; }
bool JoystickCaps(uint32_t, JoystickRange&) { return false; }
bool CaptureJoystick(uint32_t, bool) { return false; }

}  // namespace platform
