// The floor for the window's start-up: a bare SDL2 window of the calculator's
// size, software surface, one filled frame. Prints "ready" once that frame is
// on the screen and ends.

#include <SDL.h>

#include <cstdio>

int main(int, char**) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare_sdl_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 561, 221,
                                          SDL_WINDOW_BORDERLESS);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) {
        std::fprintf(stderr, "bare_sdl_window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 240, 240, 240));
    SDL_UpdateWindowSurface(window);
    std::printf("ready\n");
    std::fflush(stdout);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
