// headless-render FOLDER SCRIPT OUTPUT.ppm: runs the editor on the headless
// backend in FOLDER, feeds it the input events of SCRIPT and writes the frame it
// last presented as a binary PPM. The end-to-end tests drive the real window with
// the same script and compare its screenshot with this picture.
//
// A script line is one of
//   move X Y                 the pointer moved to client pixel (X, Y)
//   down X Y left|right      a button went down there
//   up X Y left|right        a button went up there
//   unseen move|down|up ...  the same, where no window of ours sees it: over a
//                            message box, which takes it while it is up
//   answer ok|cancel         the answer to the next message box
//   activate                 the window gained the input focus, so frames run
//   keydown KEY, keyup KEY   a key went down or up; KEY is Left, Right, Up,
//                            Down, KP_Add or KP_Subtract, as xdotool names them
//   wait MS                  MS milliseconds pass, with the frames due in them
//   key [ctrl+][shift+]KEY   KEY pressed (z, y, s or Delete) with those modifiers
//                            held, as xdotool's key names it: key ctrl+shift+z
//   wheel [ctrl+][shift+]WAY a notch of the wheel: WAY is up, down (buttons 4
//                            and 5), left or right (buttons 6 and 7)
// Blank lines and lines starting with # are skipped. Each message box the
// editor opens is printed as "message: TEXT" (line breaks as \n).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/editor_hooks.h"
#include "engine/game_engine.h"
#include "engine/headless/headless.h"

namespace {

// Long after the last event: the loop sleeps until then and the window closes.
constexpr uint32_t CloseTick = 3'600'000;

bool ParseKey(const std::string& word, platform::Key& key) {
    static const struct {
        const char* name;
        platform::Key key;
    } Keys[] = {{"Left", platform::Key::Left},   {"Right", platform::Key::Right},
                {"Up", platform::Key::Up},       {"Down", platform::Key::Down},
                {"KP_Add", platform::Key::KeypadPlus}, {"KP_Subtract", platform::Key::KeypadMinus}};
    for (const auto& entry : Keys) {
        if (word != entry.name) continue;
        key = entry.key;
        return true;
    }
    return false;
}

// A key or a wheel notch with its modifiers, as xdotool names them: "ctrl+z",
// "shift+down".
bool ParseChord(const std::string& verb, std::string chord, platform::Event& event) {
    using platform::PressedKey;
    event.ctrl = chord.starts_with("ctrl+");
    if (event.ctrl) chord.erase(0, 5);
    event.shift = chord.starts_with("shift+");
    if (event.shift) chord.erase(0, 6);
    if (verb == "wheel") {
        event.type = platform::EventType::Wheel;
        event.notchesDown = chord == "down" ? 1 : chord == "up" ? -1 : 0;
        event.notchesRight = chord == "right" ? 1 : chord == "left" ? -1 : 0;
        return event.notchesDown != 0 || event.notchesRight != 0;
    }
    event.type = platform::EventType::KeyPress;
    const std::pair<const char*, PressedKey> Keys[] = {
        {"z", PressedKey::Z}, {"y", PressedKey::Y}, {"s", PressedKey::S}, {"Delete", PressedKey::Delete}};
    for (const auto& [name, key] : Keys) {
        if (chord != name) continue;
        event.key = key;
        return true;
    }
    return false;
}

// The verbs that are no mouse event; false for a line it does not know.
bool ReadOtherLine(const std::string& verb, std::istringstream& words) {
    std::string argument, extra;
    if (verb == "activate") {
        if (words >> extra) return false;
        headless::PushEvent({platform::EventType::Activate});
        return true;
    }
    if (!(words >> argument) || (words >> extra)) return false;
    if (verb == "answer") {
        if (argument != "ok" && argument != "cancel") return false;
        headless::QueueAnswer(argument == "ok" ? platform::MessageAnswer::Ok : platform::MessageAnswer::Cancel);
        return true;
    }
    if (verb == "keydown" || verb == "keyup") {
        platform::Key key;
        if (!ParseKey(argument, key)) return false;
        headless::PushKeyChange(key, verb == "keydown");
        return true;
    }
    if (verb == "key" || verb == "wheel") {
        platform::Event event;
        if (!ParseChord(verb, argument, event)) return false;
        headless::PushEvent(event);
        return true;
    }
    if (verb == "wait") {
        char* end = nullptr;
        const unsigned long ms = std::strtoul(argument.c_str(), &end, 10);
        if (argument.empty() || *end != '\0' || argument[0] == '-' || ms > 600'000) return false;
        headless::PushPause(uint32_t(ms));
        return true;
    }
    return false;
}

bool ParseButton(const std::string& word, bool& left) {
    if (word != "left" && word != "right") return false;
    left = word == "left";
    return true;
}

// One script line into the input queue or an answer; false for a line it does not know.
bool ReadScriptLine(const std::string& line) {
    std::istringstream words(line);
    std::string verb;
    if (!(words >> verb) || verb[0] == '#') return true;
    const bool unseen = verb == "unseen";
    if (unseen && !(words >> verb)) return false;
    if (verb != "move" && verb != "down" && verb != "up") return !unseen && ReadOtherLine(verb, words);
    platform::Event event;
    if (!(words >> event.x >> event.y)) return false;
    if (verb == "move") {
        event.type = platform::EventType::MouseMove;
    } else {
        event.type = verb == "down" ? platform::EventType::MouseDown : platform::EventType::MouseUp;
        std::string button;
        if (!(words >> button) || !ParseButton(button, event.leftButton)) return false;
    }
    std::string extra;
    if (words >> extra) return false;
    unseen ? headless::PushUnseen(event) : headless::PushEvent(event);
    return true;
}

bool ReadScript(const char* path) {
    std::ifstream script(path);
    if (!script) {
        std::fprintf(stderr, "headless-render: cannot read %s\n", path);
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!ReadScriptLine(line)) {
            std::fprintf(stderr, "headless-render: %s:%d: cannot read \"%s\"\n", path, number, line.c_str());
            return false;
        }
    }
    return true;
}

bool WritePpm(const Canvas& frame, const std::string& path) {
    std::vector<unsigned char> bytes;
    bytes.reserve(size_t(frame.Width()) * size_t(frame.Height()) * 3);
    for (int y = 0; y < frame.Height(); ++y) {
        const Colour* row = frame.Row(y);
        for (int x = 0; x < frame.Width(); ++x) {
            bytes.push_back((row[x] >> 16) & 0xFF);
            bytes.push_back((row[x] >> 8) & 0xFF);
            bytes.push_back(row[x] & 0xFF);
        }
    }
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << frame.Width() << ' ' << frame.Height() << "\n255\n";
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    return bool(out);
}

void PrintMessages() {
    for (const headless::RecordedMessage& message : headless::Messages()) {
        std::string text;
        for (char c : message.text) text += c == '\n' ? std::string("\\n") : std::string(1, c);
        std::printf("message: %s\n", text.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: headless-render FOLDER SCRIPT OUTPUT.ppm\n");
        return 2;
    }
    // Both paths are taken before the working folder becomes the level folder.
    const std::string output = std::filesystem::absolute(argv[3]).string();
    headless::Reset();
    if (!ReadScript(argv[2])) return 2;
    std::error_code error;
    std::filesystem::current_path(argv[1], error);
    if (error) {
        std::fprintf(stderr, "headless-render: %s: %s\n", argv[1], error.message().c_str());
        return 2;
    }
    headless::CloseWindowAt(CloseTick);
    const int exitCode = RunEditorProgram();
    PrintMessages();
    if (exitCode != 0) {
        std::fprintf(stderr, "headless-render: the editor ended with code %d\n", exitCode);
        return 1;
    }
    const Canvas& frame = headless::LastFrame();
    if (frame.IsEmpty() || !WritePpm(frame, output)) {
        std::fprintf(stderr, "headless-render: no frame written to %s\n", output.c_str());
        return 1;
    }
    return 0;
}
