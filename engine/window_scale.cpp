// The window's scale: which one fits, and where a window pixel lands in the frame.
#include "engine/window_scale.h"

#include <algorithm>

namespace {

int ScaledLength(int length, int scaleDpi) { return (length * scaleDpi + UnscaledDpi / 2) / UnscaledDpi; }

bool Fits(PixelSize frame, int scaleDpi, PixelSize decoration, PixelSize usable) {
    if (usable.width <= 0 || usable.height <= 0) return true;
    const PixelSize client = ScaledSize(frame, scaleDpi);
    return client.width + decoration.width <= usable.width && client.height + decoration.height <= usable.height;
}

}  // namespace

PixelSize ScaledSize(PixelSize frame, int scaleDpi) {
    return {ScaledLength(frame.width, scaleDpi), ScaledLength(frame.height, scaleDpi)};
}

int ChooseScaleDpi(int displayDpi, int requestedScale, PixelSize frame, PixelSize decoration, PixelSize usable) {
    const int wanted = std::max(requestedScale > 0 ? requestedScale * UnscaledDpi : displayDpi, UnscaledDpi);
    if (Fits(frame, wanted, decoration, usable)) return wanted;
    int whole = (wanted - 1) / UnscaledDpi;
    while (whole > 1 && !Fits(frame, whole * UnscaledDpi, decoration, usable)) --whole;
    return std::max(whole, 1) * UnscaledDpi;
}

int FramePixelAt(int windowPixel, int frameLength, int scaleDpi) {
    // At scale 1 every position passes unchanged, those outside the window too.
    if (scaleDpi == UnscaledDpi) return windowPixel;
    const long long windowLength = ScaledLength(frameLength, scaleDpi);
    if (windowLength <= 0) return windowPixel;
    return int((2LL * windowPixel + 1) * frameLength / (2 * windowLength));
}
