// The yardstick for the editor's launch: the least an SDL program does to show a
// 940 by 695 window filled with the editor's background colour. It draws through
// the window surface without OpenGL, as the editor does, and waits for a quit.
#include <SDL.h>

int main(int, char**) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare window", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 940, 695, 0);
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 45, 50, 46));
    SDL_UpdateWindowSurface(window);
    SDL_Event event;
    while (SDL_WaitEvent(&event))
        if (event.type == SDL_QUIT) break;
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
