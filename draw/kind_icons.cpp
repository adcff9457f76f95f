// The icon table is indexed by the codes themselves.
#include "draw/kind_icons.h"

#include "draw/bitmap_catalogue.h"

const Bitmap* KindIcon(int32_t code) {
    if (code < 0 || code >= IconBitmapCount) return nullptr;
    return iconBitmaps[code];
}
