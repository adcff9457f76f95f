// Writes the editor's first frame, as the program presents it when its window opens,
// to a binary PPM file: what every real window of every build must show at start.
// With X and Y, the frame after the pointer has then moved to client point (X, Y).
// Usage: first-frame-render FILE [X Y]
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "editor/editor_hooks.h"
#include "engine/game_engine.h"
#include "engine/headless/headless.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: first-frame-render FILE [X Y]\n");
        return 2;
    }
    headless::Reset();
    GameEngine* engine = EditorInitialize(nullptr) ? GameEngine::Current() : nullptr;
    if (engine == nullptr || !engine->CreateMainWindow(1) || headless::LastFrame().IsEmpty()) {
        std::fprintf(stderr, "first-frame-render: the editor did not start\n");
        return 1;
    }
    if (argc == 4) engine->RouteEvent({platform::EventType::MouseMove, std::atoi(argv[2]), std::atoi(argv[3])});
    const Canvas frame = headless::LastFrame();
    engine->RouteEvent({platform::EventType::Close});

    std::vector<unsigned char> rgb;
    rgb.reserve(frame.Pixels().size() * 3);
    for (Colour pixel : frame.Pixels()) {
        rgb.push_back(static_cast<unsigned char>(pixel >> 16));
        rgb.push_back(static_cast<unsigned char>(pixel >> 8));
        rgb.push_back(static_cast<unsigned char>(pixel));
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fprintf(file, "P6\n%d %d\n255\n", frame.Width(), frame.Height()) > 0 &&
                   std::fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size();
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::fprintf(stderr, "first-frame-render: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
