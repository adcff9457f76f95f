// The modal message box of the SDL build: a small window of its own, drawn with our
// Canvas and font, so Chinese shows whatever fonts and locale the system has.
// No frame of the editor runs until it is answered.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/platform.h"
#include "engine/sdl/sdl_backend.h"
#include "engine/window_scale.h"

namespace {

constexpr int LineHeight = 16;
constexpr int Margin = 20;
constexpr int ButtonWidth = 88, ButtonHeight = 26, ButtonGap = 12;
constexpr Colour Face = Rgb(240, 240, 240);
constexpr Colour Ink = Rgb(0, 0, 0);
constexpr Colour ButtonFace = Rgb(225, 225, 225);
constexpr Colour ButtonEdge = Rgb(173, 173, 173);
constexpr Colour DefaultEdge = Rgb(0, 120, 215);

struct BoxLayout {
    int width = 0, height = 0;
    std::vector<std::string_view> lines;
    std::vector<PixelRect> buttons;  // OK first
};

BoxLayout LayOut(std::string_view text, int buttonCount) {
    BoxLayout layout;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        layout.lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    int textWidth = 0;
    for (std::string_view line : layout.lines) textWidth = std::max(textWidth, TextWidth(line));
    const int buttonsWidth = buttonCount * ButtonWidth + (buttonCount - 1) * ButtonGap;
    layout.width = std::clamp(std::max(textWidth, buttonsWidth) + 2 * Margin, 260, 900);
    const int textHeight = int(layout.lines.size()) * LineHeight;
    layout.height = Margin + textHeight + Margin + ButtonHeight + Margin;
    int left = (layout.width - buttonsWidth) / 2;
    const int top = Margin + textHeight + Margin;
    for (int i = 0; i < buttonCount; ++i, left += ButtonWidth + ButtonGap)
        layout.buttons.push_back({left, top, left + ButtonWidth, top + ButtonHeight});
    return layout;
}

void Draw(Canvas& canvas, const BoxLayout& layout, int pressed) {
    static const char* const Captions[] = {"确定", "取消"};
    canvas.Fill(Face);
    int y = Margin;
    for (std::string_view line : layout.lines) {
        canvas.DrawText(line, {Margin, y, layout.width - Margin / 2, y + LineHeight}, Ink, TextLayout::LeftMiddle);
        y += LineHeight;
    }
    for (size_t i = 0; i < layout.buttons.size(); ++i) {
        const PixelRect& r = layout.buttons[i];
        canvas.FillRect(r, i == 0 ? DefaultEdge : ButtonEdge);
        canvas.FillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                        int(i) == pressed ? ButtonEdge : ButtonFace);
        canvas.DrawText(Captions[i], r, Ink, TextLayout::Centred);
    }
}

// `x` and `y` are window pixels of the box, shown at the main window's scale.
int ButtonAt(const BoxLayout& layout, int x, int y) {
    x = FramePixelAt(x, layout.width, sdl::scaleDpi);
    y = FramePixelAt(y, layout.height, sdl::scaleDpi);
    for (size_t i = 0; i < layout.buttons.size(); ++i) {
        const PixelRect& r = layout.buttons[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return int(i);
    }
    return -1;
}

// The mouse as the last box closed, until the engine takes it.
bool boxClosed = false;
platform::MouseState mouseAfterBox;

// A release of `button` that SDL has read for the main window but not yet handed
// out: it arrives, so it is not lost.
bool ReleaseQueued(Uint32 mainId, Uint8 button) {
    SDL_Event events[32];
    const int count = SDL_PeepEvents(events, 32, SDL_PEEKEVENT, SDL_MOUSEBUTTONUP, SDL_MOUSEBUTTONUP);
    for (int i = 0; i < count; ++i)
        if (events[i].button.windowID == mainId && events[i].button.button == button) return true;
    return false;
}

// The box dropped the main window's events, releases among them; SDL's button
// state still took them in as it read them. The pointer's position SDL keeps is
// relative to the window that had it last, so it is asked of the system instead.
void NoteMouseAfterBox(Uint32 mainId) {
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    int screenX = 0, screenY = 0, clientX = 0, clientY = 0;
    SDL_GetGlobalMouseState(&screenX, &screenY);
    if (sdl::mainWindow != nullptr) SDL_GetWindowPosition(sdl::mainWindow, &clientX, &clientY);
    mouseAfterBox.leftDown = (buttons & SDL_BUTTON_LMASK) != 0 || ReleaseQueued(mainId, SDL_BUTTON_LEFT);
    mouseAfterBox.rightDown = (buttons & SDL_BUTTON_RMASK) != 0 || ReleaseQueued(mainId, SDL_BUTTON_RIGHT);
    mouseAfterBox.x = FramePixelAt(screenX - clientX, sdl::frameSize.width, sdl::scaleDpi);
    mouseAfterBox.y = FramePixelAt(screenY - clientY, sdl::frameSize.height, sdl::scaleDpi);
    boxClosed = true;
}

}  // namespace

namespace platform {

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
    const int buttonCount = buttons == MessageButtons::OkCancel ? 2 : 1;
    const MessageAnswer dismissed = buttonCount == 2 ? MessageAnswer::Cancel : MessageAnswer::Ok;
    const BoxLayout layout = LayOut(text, buttonCount);
    const PixelSize size = ScaledSize({layout.width, layout.height}, sdl::scaleDpi);

    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (sdl::mainWindow != nullptr) {
        int mainX = 0, mainY = 0, mainWidth = 0, mainHeight = 0;
        SDL_GetWindowPosition(sdl::mainWindow, &mainX, &mainY);
        SDL_GetWindowSize(sdl::mainWindow, &mainWidth, &mainHeight);
        x = mainX + (mainWidth - size.width) / 2;
        y = mainY + (mainHeight - size.height) / 2;
    }
    const std::string title(caption);
    SDL_Window* box = SDL_CreateWindow(title.c_str(), x, y, size.width, size.height,
                                       SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR);
    if (box == nullptr) return dismissed;
    if (sdl::mainWindow != nullptr) SDL_SetWindowModalFor(box, sdl::mainWindow);
    const Uint32 boxId = SDL_GetWindowID(box);
    const Uint32 mainId = sdl::mainWindow != nullptr ? SDL_GetWindowID(sdl::mainWindow) : 0;

    Canvas canvas(layout.width, layout.height);
    int pressed = -1;
    Draw(canvas, layout, pressed);
    SDL_ShowWindow(box);
    sdl::PresentTo(box, canvas);
    sdl::FocusWindow(box);

    MessageAnswer answer = dismissed;
    bool quitAsked = false, exposed = false;
    for (bool answered = false; !answered;) {
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0) break;
        switch (event.type) {
        case SDL_QUIT:
            quitAsked = true;  // handed back to the main loop once the box is answered
            break;
        case SDL_KEYDOWN:
            if (event.key.windowID != boxId) break;
            if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) {
                answer = MessageAnswer::Ok;
                answered = true;
            } else if (event.key.keysym.sym == SDLK_ESCAPE) {
                answer = dismissed;
                answered = true;
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.windowID != boxId || event.button.button != SDL_BUTTON_LEFT) break;
            pressed = ButtonAt(layout, event.button.x, event.button.y);
            Draw(canvas, layout, pressed);
            sdl::PresentTo(box, canvas);
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID != boxId || event.button.button != SDL_BUTTON_LEFT) break;
            if (pressed >= 0 && pressed == ButtonAt(layout, event.button.x, event.button.y)) {
                answer = pressed == 0 ? MessageAnswer::Ok : MessageAnswer::Cancel;
                answered = true;
            }
            pressed = -1;
            Draw(canvas, layout, pressed);
            sdl::PresentTo(box, canvas);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID == boxId) {
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    sdl::PresentTo(box, canvas);
                    // Asked before a window manager had put the box on screen, X
                    // gives it no focus; now it is there to take it.
                    if (!exposed && SDL_GetKeyboardFocus() != box) sdl::FocusWindow(box);
                    exposed = true;
                }
                if (event.window.event == SDL_WINDOWEVENT_CLOSE) answered = true;
            } else if (event.window.windowID == mainId) {
                // The main window keeps the frame it last showed on its surface.
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED) SDL_UpdateWindowSurface(sdl::mainWindow);
                // The keys are the box's while it is up, whoever hands the main
                // window the focus.
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) sdl::FocusWindow(box);
            }
            break;
        default:
            break;  // the main window's input waits for no one: it is dropped
        }
    }
    SDL_DestroyWindow(box);
    if (sdl::mainWindow != nullptr) sdl::FocusWindow(sdl::mainWindow);
    NoteMouseAfterBox(mainId);
    if (quitAsked) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
    return answer;
}

bool TakeMouseAfterMessageBox(MouseState& mouse) {
    if (!boxClosed) return false;
    boxClosed = false;
    mouse = mouseAfterBox;
    return true;
}

}  // namespace platform
