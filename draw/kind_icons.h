// Which icon picture stands for a kind or produced-item code.
#pragma once

#include <cstdint>

class Bitmap;

// The icon of a kind or produced-item code 0..46; null for any other code (a damaged
// or foreign level can bring one) and for a slot the catalogue could not fill.
const Bitmap* KindIcon(int32_t code);
