/* Polls a window's pixels until they equal a binary PPM picture, or a time
   limit passes. Taking and comparing a picture in one process costs a few
   milliseconds, so a test can poll often without a second's worth of image
   tools per look. Usage: x-window-matches ID PICTURE.ppm MILLISECONDS SHOT.ppm
   Prints the number of differing pixels of the last look and writes that look
   to SHOT.ppm. Exit code 0 when the window matched, 1 when it did not, 2 on
   bad use. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static unsigned char* ReadPpm(const char* path, int* width, int* height) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) return NULL;
    int maximum = 0;
    unsigned char* pixels = NULL;
    if (fscanf(file, "P6 %d %d %d", width, height, &maximum) == 3 && maximum == 255 && *width > 0 &&
        *height > 0 && fgetc(file) != EOF) {
        size_t size = (size_t)*width * (size_t)*height * 3;
        pixels = malloc(size);
        if (pixels != NULL && fread(pixels, 1, size, file) != size) {
            free(pixels);
            pixels = NULL;
        }
    }
    fclose(file);
    return pixels;
}

static int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

/* The window's pixels as RGB triples, or NULL when it cannot be read or has another size. */
static unsigned char* Look(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    if (image == NULL) return NULL;
    unsigned char* pixels = malloc((size_t)width * (size_t)height * 3);
    const int redShift = ShiftOf(image->red_mask), greenShift = ShiftOf(image->green_mask),
              blueShift = ShiftOf(image->blue_mask);
    for (int y = 0; pixels != NULL && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            unsigned char* out = pixels + ((size_t)y * (size_t)width + (size_t)x) * 3;
            out[0] = (unsigned char)((pixel & image->red_mask) >> redShift);
            out[1] = (unsigned char)((pixel & image->green_mask) >> greenShift);
            out[2] = (unsigned char)((pixel & image->blue_mask) >> blueShift);
        }
    }
    XDestroyImage(image);
    return pixels;
}

static long NowMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long)now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

static int IgnoreErrors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: x-window-matches WINDOW_ID PICTURE.ppm MILLISECONDS SHOT.ppm\n");
        return 2;
    }
    int width = 0, height = 0;
    unsigned char* want = ReadPpm(argv[2], &width, &height);
    if (want == NULL) {
        fprintf(stderr, "x-window-matches: %s is no binary PPM picture\n", argv[2]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "x-window-matches: cannot open the display\n");
        return 2;
    }
    /* A window that is not (yet) mapped makes XGetImage fail: that is a look
       that did not match, not the end of the program. */
    XSetErrorHandler(IgnoreErrors);
    const Window window = (Window)strtoul(argv[1], NULL, 0);
    const long deadline = NowMs() + strtol(argv[3], NULL, 10);
    const size_t count = (size_t)width * (size_t)height;
    unsigned char* seen = NULL;
    long differing = -1;
    for (;;) {
        free(seen);
        seen = Look(display, window, width, height);
        differing = -1;
        if (seen != NULL) {
            differing = 0;
            for (size_t i = 0; i < count; ++i)
                if (seen[3 * i] != want[3 * i] || seen[3 * i + 1] != want[3 * i + 1] || seen[3 * i + 2] != want[3 * i + 2])
                    ++differing;
        }
        if (differing == 0 || NowMs() >= deadline) break;
        struct timespec pause = {0, 20 * 1000 * 1000};
        nanosleep(&pause, NULL);
    }
    if (seen != NULL) {
        FILE* shot = fopen(argv[4], "wb");
        if (shot != NULL) {
            fprintf(shot, "P6\n%d %d\n255\n", width, height);
            fwrite(seen, 1, count * 3, shot);
            fclose(shot);
        }
    }
    if (differing < 0) printf("no picture of the window\n");
    else printf("%ld\n", differing);
    XCloseDisplay(display);
    free(seen);
    free(want);
    return differing == 0 ? 0 : 1;
}
