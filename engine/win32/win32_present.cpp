// Presenting a frame on Windows. Our pixels (0x00RRGGBB, rows top to bottom) are
// exactly the memory of a 32-bit top-down DIB, so a frame is copied row by row
// into a DIB section held in a memory device context and blitted to the window.
// Only the rectangles that changed since the last present are copied and
// blitted (engine/frame_changes.h); the section always holds the whole frame last
// shown, which WM_PAINT puts back at once. At a scale above 1 the section is the
// window's size and holds the frame scaled.
#include "engine/win32/win32_backend.h"

#include <algorithm>

#include "engine/frame_changes.h"
#include "engine/frame_scaling.h"

namespace {

struct LastFrame {
    HDC memory = nullptr;
    HBITMAP section = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    Colour* pixels = nullptr;
    int width = 0, height = 0;
};

LastFrame lastFrame;
FrameChanges changes;

bool EnsureSection(int width, int height) {
    if (lastFrame.section != nullptr && lastFrame.width == width && lastFrame.height == height) return true;
    win32::ReleaseLastFrame();
    // A new section holds nothing yet.
    changes.SendWholeNext();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: top-down, as our rows are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    lastFrame.memory = CreateCompatibleDC(nullptr);
    if (lastFrame.memory == nullptr) return false;
    lastFrame.section = CreateDIBSection(lastFrame.memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (lastFrame.section == nullptr || bits == nullptr) {
        win32::ReleaseLastFrame();
        return false;
    }
    lastFrame.previousBitmap = SelectObject(lastFrame.memory, lastFrame.section);
    lastFrame.pixels = static_cast<Colour*>(bits);
    lastFrame.width = width;
    lastFrame.height = height;
    return true;
}

}  // namespace

namespace win32 {

void PaintLastFrame(HDC target, const RECT& area) {
    if (lastFrame.section == nullptr) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, lastFrame.memory,
           area.left, area.top, SRCCOPY);
}

void PresentWholeNext() { changes.SendWholeNext(); }

void ReleaseLastFrame() {
    if (lastFrame.memory != nullptr && lastFrame.previousBitmap != nullptr)
        SelectObject(lastFrame.memory, lastFrame.previousBitmap);
    if (lastFrame.section != nullptr) DeleteObject(lastFrame.section);
    if (lastFrame.memory != nullptr) DeleteDC(lastFrame.memory);
    lastFrame = LastFrame{};
}

}  // namespace win32

namespace platform {

void Present(const Canvas& frame) {
    if (frame.IsEmpty()) return;
    const PixelSize size = ScaledSize({frame.Width(), frame.Height()}, win32::scaleDpi);
    if (!EnsureSection(size.width, size.height)) return;
    // GDI may still be reading the section for an earlier blit.
    GdiFlush();
    const std::vector<PixelRect>& areas = changes.Take(frame, win32::scaleDpi);
    for (const PixelRect& area : areas) {
        if (win32::scaleDpi != UnscaledDpi) {
            ScaleFrameArea(frame, lastFrame.pixels, size.width, size.height, size_t(size.width) * sizeof(Colour), area);
            continue;
        }
        for (int y = area.top; y < area.bottom; ++y)
            std::copy(frame.Row(y) + area.left, frame.Row(y) + area.right,
                      lastFrame.pixels + size_t(y) * size_t(size.width) + area.left);
    }
    if (win32::mainWindow == nullptr || areas.empty()) return;
    if (HDC target = GetDC(win32::mainWindow)) {
        for (const PixelRect& area : areas)
            BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, lastFrame.memory,
                   area.left, area.top, SRCCOPY);
        ReleaseDC(win32::mainWindow, target);
    }
}

void PresentWholeFrames(bool whole) { changes.SendWholeFrames(whole); }

std::span<const PixelRect> LastPresentAreas() { return changes.Areas(); }

}  // namespace platform
