// The table of the editor's pictures: ids, sizes and drawings.
#include "tools/artwork/artwork.h"

namespace {

template <int Family, int WeightClass>
Canvas Vehicle() { return DrawVehicle(Family, WeightClass); }
template <int Which>
Canvas Walker() { return DrawWalker(Which); }
template <int Which>
Canvas Turret() { return DrawTurret(Which); }
template <int Count>
Canvas Gold() { return DrawGoldBars(Count); }
template <int Count>
Canvas Bulbs() { return DrawLightBulbs(Count); }
template <int Count>
Canvas Bolts() { return DrawLightningBolts(Count); }

const Picture Pictures[] = {
    {2000, 270, 695, DrawSidePanel},
    {2001, 10, 20, DrawButtonLeftLight},
    {2002, 10, 20, DrawButtonLeftDark},
    {2003, 1, 20, DrawButtonMiddleLight},
    {2004, 1, 20, DrawButtonMiddleDark},
    {2005, 10, 20, DrawButtonRightLight},
    {2006, 10, 20, DrawButtonRightDark},
    {2007, 10, 20, DrawSquareLeft},
    {2008, 1, 20, DrawSquareMiddle},
    {2009, 10, 20, DrawSquareRight},
    {2010, 20, 10, DrawThumbTop},
    {2011, 20, 1, DrawThumbMiddle},
    {2012, 20, 10, DrawThumbBottom},
    {2013, 40, 40, DrawFrameLight},
    {2014, 40, 40, DrawFrameDark},
    {2015, 40, 40, DrawFramePale},
    {2016, 40, 40, DrawFrameGrey},
    // The overlay's header counts two bytes more than its rows hold; the loader must
    // copy no more than the picture's own pixel area.
    {2017, 40, 40, DrawDimmingOverlay, 2},
    {2018, 40, 40, Vehicle<0, 0>},
    {2019, 40, 40, Vehicle<0, 1>},
    {2020, 40, 40, Vehicle<0, 2>},
    {2021, 40, 40, Vehicle<1, 0>},
    {2022, 40, 40, Vehicle<1, 1>},
    {2023, 40, 40, Vehicle<1, 2>},
    {2024, 40, 40, Vehicle<2, 0>},
    {2025, 40, 40, Vehicle<2, 1>},
    {2026, 40, 40, Vehicle<2, 2>},
    {2027, 40, 40, Vehicle<3, 0>},
    {2028, 40, 40, Vehicle<3, 1>},
    {2029, 40, 40, Vehicle<3, 2>},
    {2030, 40, 40, Vehicle<4, 0>},
    {2031, 40, 40, Vehicle<4, 1>},
    {2032, 40, 40, Vehicle<4, 2>},
    {2033, 40, 40, DrawDomeSaucer},
    {2034, 40, 40, Walker<0>},
    {2035, 40, 40, Walker<1>},
    {2036, 40, 40, Walker<2>},
    {2037, 40, 40, Walker<3>},
    {2038, 40, 40, Walker<4>},
    {2039, 40, 40, DrawRadiationPlatform},
    {2040, 40, 40, Turret<0>},
    {2041, 40, 40, Turret<1>},
    {2042, 40, 40, Turret<2>},
    {2043, 40, 40, Turret<3>},
    {2044, 40, 40, Turret<4>},
    {2045, 40, 40, DrawPropellerBomber},
    {2046, 40, 40, DrawOrangeSpacecraft},
    {2047, 40, 40, DrawPodDisc},
    {2048, 40, 40, DrawFireRain},
    {2049, 40, 40, DrawJetFighter},
    {2050, 40, 40, Gold<1>},
    {2051, 40, 40, Gold<2>},
    {2052, 40, 40, Gold<3>},
    {2053, 40, 40, Bulbs<1>},
    {2054, 40, 40, Bulbs<2>},
    {2055, 40, 40, Bulbs<3>},
    {2056, 40, 40, Bolts<1>},
    {2057, 40, 40, Bolts<2>},
    {2058, 40, 40, Bolts<3>},
};

}  // namespace

std::span<const Picture> AllPictures() { return Pictures; }
