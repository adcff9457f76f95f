// Every picture of the editor, by resource id. Each drawing function makes its picture
// from nothing, the same way every time, so the committed files can be made again.
#pragma once

#include <cstdint>
#include <span>

#include "engine/canvas.h"
#include "tools/artwork/image_files.h"

struct Picture {
    uint16_t id;
    int width, height;
    Canvas (*draw)();
    // Zero bytes after the pixel rows that the header counts (one picture carries two).
    int extraBytes = 0;
};

// Resources 2000 to 2058 in id order.
std::span<const Picture> AllPictures();

// The two program icons, 1000 (large) and 1001 (small).
IconImage DrawProgramIcon(bool small);

// interface_art.cpp
Canvas DrawButtonLeftLight();    // 2001
Canvas DrawButtonLeftDark();     // 2002
Canvas DrawButtonMiddleLight();  // 2003
Canvas DrawButtonMiddleDark();   // 2004
Canvas DrawButtonRightLight();   // 2005
Canvas DrawButtonRightDark();    // 2006
Canvas DrawSquareLeft();         // 2007
Canvas DrawSquareMiddle();       // 2008
Canvas DrawSquareRight();        // 2009
Canvas DrawThumbTop();           // 2010
Canvas DrawThumbMiddle();        // 2011
Canvas DrawThumbBottom();        // 2012
Canvas DrawFrameLight();         // 2013
Canvas DrawFrameDark();          // 2014
Canvas DrawFramePale();          // 2015
Canvas DrawFrameGrey();          // 2016
Canvas DrawDimmingOverlay();     // 2017

// side_panel.cpp
Canvas DrawSidePanel();  // 2000

// vehicles.cpp: family f (0 to 4) of air defence, artillery, tank, flame, special;
// weight class 0 light, 1 medium, 2 heavy.
Canvas DrawVehicle(int family, int weightClass);

// machines.cpp
Canvas DrawDomeSaucer();          // 2033
Canvas DrawWalker(int which);     // 2034 to 2038, which 0 to 4
Canvas DrawRadiationPlatform();   // 2039

// turrets.cpp
Canvas DrawTurret(int which);  // 2040 to 2044, which 0 to 4

// aircraft.cpp
Canvas DrawPropellerBomber();   // 2045
Canvas DrawOrangeSpacecraft();  // 2046
Canvas DrawPodDisc();           // 2047
Canvas DrawFireRain();          // 2048
Canvas DrawJetFighter();        // 2049

// items.cpp
Canvas DrawGoldBars(int count);         // 2050 to 2052
Canvas DrawLightBulbs(int count);       // 2053 to 2055
Canvas DrawLightningBolts(int count);   // 2056 to 2058
