// Placeholder bitmap loading until the decoder lands.
#include "engine/bitmap.h"
bool Bitmap::LoadFromFile(const std::string&) { Release(); return false; }
bool Bitmap::LoadFromResource(uint16_t) { Release(); return false; }
bool Bitmap::LoadFromResourceBytes(std::span<const uint8_t>) { Release(); return false; }
bool Bitmap::CreateFilled(int, int, Colour) { return false; }
void Bitmap::Blit(Canvas&, int, int, bool, Colour) const {}
