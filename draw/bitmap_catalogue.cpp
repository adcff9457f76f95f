// The bitmap catalogue. The resource numbers do not follow the slots: light and dark
// pieces alternate, and the five air-force pictures are loaded twice, into separate
// bitmaps, for codes 30..34 and 35..39.
#include "draw/bitmap_catalogue.h"

#include <new>

Bitmap* interfaceBitmaps[InterfaceBitmapCount] = {};
Bitmap* iconBitmaps[IconBitmapCount] = {};

namespace {

constexpr uint16_t InterfaceResources[InterfaceBitmapCount] = {
    2000, 2002, 2001, 2004, 2003, 2006, 2005, 2007, 2008, 2009, 2010, 2011, 2012, 2014, 2013, 2016, 2015,
};

constexpr uint16_t IconResources[IconBitmapCount] = {
    2017,                                                                    // dimming overlay
    2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026, 2027, 2028, 2029, 2030, 2031, 2032,  // vehicles
    2050, 2051, 2052, 2053, 2054, 2055, 2056, 2057, 2058,                    // gold, bulbs, bolts
    2040, 2041, 2042, 2043, 2044,                                            // turrets
    2045, 2046, 2049, 2047, 2048,                                            // air forces
    2045, 2046, 2049, 2047, 2048,                                            // the same again
    2033, 2034, 2035, 2036, 2037, 2038, 2039,                                // machines
};

}  // namespace

void LoadBitmapCatalogue() {
    // A slot whose bitmap cannot be allocated stays null; one whose resource is
    // missing holds an empty bitmap that draws nothing.
    for (int slot = 0; slot < InterfaceBitmapCount; ++slot)
        interfaceBitmaps[slot] = new (std::nothrow) Bitmap(InterfaceResources[slot]);
    for (int slot = 0; slot < IconBitmapCount; ++slot)
        iconBitmaps[slot] = new (std::nothrow) Bitmap(IconResources[slot]);
}

void FreeBitmapCatalogue() {
    for (Bitmap*& bitmap : interfaceBitmaps) {
        delete bitmap;
        bitmap = nullptr;
    }
    for (Bitmap*& bitmap : iconBitmaps) {
        delete bitmap;
        bitmap = nullptr;
    }
}
