// Opens the main window, then one message box with the text and buttons given,
// and prints the answer ("Ok" or "Cancel"). Usage: message-box-probe ok|okcancel TEXT
#include <cstdio>
#include <cstring>

#include "engine/game_engine.h"
#include "engine/platform.h"

// The probe has no editor; the core library's hooks are not linked in with it.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: message-box-probe ok|okcancel TEXT\n");
        return 2;
    }
    const auto buttons = std::strcmp(argv[1], "ok") == 0 ? platform::MessageButtons::Ok
                                                         : platform::MessageButtons::OkCancel;
    platform::WindowSpec spec;
    spec.title = "message-box-probe";
    spec.width = 940;
    spec.height = 695;
    if (!platform::CreateMainWindow(spec)) return 3;
    platform::ShowMainWindow();
    platform::Present(Canvas(940, 695, Rgb(45, 50, 46)));
    const auto answer = platform::ShowMessageBox(argv[2], " 返回 ", buttons);
    std::printf("%s\n", answer == platform::MessageAnswer::Ok ? "Ok" : "Cancel");
    std::fflush(stdout);
    platform::DestroyMainWindow();
    return 0;
}
