// The headless backend: the platform layer for unit tests and tools.
#include <deque>
#include <limits>

#include "engine/headless/headless.h"
#include "resources/resource_table.h"

namespace {

struct HeadlessMachine {
    std::deque<platform::Event> events;
    uint32_t ticks = 0;
    bool keys[6] = {};
    std::deque<platform::MessageAnswer> answers;
    std::vector<headless::RecordedMessage> messages;
    Canvas lastFrame;
    int presentCount = 0;
    bool windowExists = false;
    bool windowShown = false;
    bool creationFails = false;
    bool closeArmed = false;
    uint32_t closeAt = 0;
};

HeadlessMachine machine;

}  // namespace

namespace headless {

void Reset() { machine = HeadlessMachine{}; }
void PushEvent(const platform::Event& event) { machine.events.push_back(event); }
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

void ShowMainWindow() { machine.windowShown = true; }

void DestroyMainWindow() {
    machine.windowExists = false;
    machine.windowShown = false;
}

bool WaitEvent(Event& event, uint32_t timeoutMs) {
    if (!machine.events.empty()) {
        event = machine.events.front();
        machine.events.pop_front();
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
    machine.lastFrame = frame;
    ++machine.presentCount;
}

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
    machine.messages.push_back({std::string(text), std::string(caption), buttons});
    if (machine.answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = machine.answers.front();
    machine.answers.pop_front();
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
}

bool IsKeyDown(Key key) { return machine.keys[int(key)]; }
uint32_t Ticks() { return machine.ticks; }

std::span<const uint8_t> BitmapResource(uint16_t id) { return FindEmbeddedBitmap(id); }

int JoystickCount() { return 0; }
bool ReadJoystick(uint32_t, JoystickReading&) { return false; }
bool JoystickCaps(uint32_t, JoystickRange&) { return false; }
bool CaptureJoystick(uint32_t, bool) { return false; }

}  // namespace platform
