// The window icon, from the embedded icon group.
#include "engine/icon_image.h"
#include "engine/sdl/sdl_backend.h"
#include "resources/resource_table.h"

namespace sdl {

void SetWindowIcon(uint16_t iconId) {
    IconImage icon;
    if (mainWindow == nullptr || !DecodeIcon(FindEmbeddedIcon(iconId), icon)) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        icon.argb.data(), icon.width, icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(mainWindow, surface);
    SDL_FreeSurface(surface);
}

}  // namespace sdl
