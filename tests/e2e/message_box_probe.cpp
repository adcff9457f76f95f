// Opens the main window, then one message box with the text and buttons given,
// and prints the answer ("Ok" or "Cancel").
// Usage: message-box-probe ok|okcancel TEXT|@FILE
// @FILE takes the UTF-8 text from a file: on Windows the command line reaches a
// program's main in the ANSI code page, which has no Chinese characters.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/game_engine.h"
#include "engine/platform.h"

// The probe has no editor; the core library's hooks are not linked in with it.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: message-box-probe ok|okcancel TEXT|@FILE\n");
        return 2;
    }
    const auto buttons = std::strcmp(argv[1], "ok") == 0 ? platform::MessageButtons::Ok
                                                         : platform::MessageButtons::OkCancel;
    std::string text = argv[2];
    if (text.starts_with('@')) {
        std::ifstream file(text.substr(1), std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "message-box-probe: cannot read %s\n", text.c_str() + 1);
            return 2;
        }
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    platform::WindowSpec request;
    request.className = "message-box-probe";
    request.title = "message-box-probe";
    request.width = 940;
    request.height = 695;
    if (!platform::CreateMainWindow(request)) return 3;
    platform::ShowMainWindow();
    platform::Present(Canvas(940, 695, Rgb(45, 50, 46)));
    const auto answer = platform::ShowMessageBox(text, " 返回 ", buttons);
    std::printf("%s\n", answer == platform::MessageAnswer::Ok ? "Ok" : "Cancel");
    std::fflush(stdout);
    platform::DestroyMainWindow();
    return 0;
}
