#include <cstring>

#include "draw/control_drawing.h"
#include "draw/kind_icons.h"
#include "level/kind_names.h"
#include "paint_fixture.h"

namespace {

constexpr Colour Grey = Rgb(90, 90, 90);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Black = Rgb(0, 0, 0);

const Bitmap* Piece(int slot) { return interfaceBitmaps[slot]; }
const Bitmap* Icon(int code) { return iconBitmaps[code]; }

// ---- Controls by kind ----

struct HoverCase {
    const char* name;
    int mouseX, mouseY;
    bool hovered;
};

class ButtonHover : public PaintTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(ButtonHover, LightPiecesAndBlackCaptionOnlyStrictlyInside) {
    const HoverCase& c = GetParam();
    const Control button(1, KindButton, 100, 50, 220, 70, true, 127);
    Control captioned = button;
    captioned.SetCaption("保存");
    Canvas canvas(300, 100, Grey);
    DrawControl(canvas, captioned, {c.mouseX, c.mouseY});
    const int light = c.hovered ? 1 : 0;
    EXPECT_TRUE(ShowsPictures(canvas, 100, 50, {Piece(ButtonLeftSlot + light)}));
    EXPECT_TRUE(ShowsPictures(canvas, 210, 50, {Piece(ButtonRightSlot + light)}));
    for (int x = 110; x < 210; x += 33) EXPECT_TRUE(ShowsPictures(canvas, x, 50, {Piece(ButtonMiddleSlot + light)}, 2));
    EXPECT_TRUE(ShowsText(canvas, "保存", {100, 50, 220, 70}, c.hovered ? Black : White));
    EXPECT_EQ(IsHovered(captioned, {c.mouseX, c.mouseY}), c.hovered);
}

INSTANTIATE_TEST_SUITE_P(Pointers, ButtonHover,
                         ::testing::Values(HoverCase{"TopLeftInside", 101, 51, true},
                                           HoverCase{"BottomRightInside", 219, 69, true},
                                           HoverCase{"Middle", 160, 60, true}, HoverCase{"OnTheLeftEdge", 100, 60, false},
                                           HoverCase{"OnTheRightEdge", 220, 60, false},
                                           HoverCase{"OnTheTopEdge", 160, 50, false},
                                           HoverCase{"OnTheBottomEdge", 160, 70, false}),
                         CaseName());

TEST_F(PaintTest, HotspotsAndUnknownKindsDrawNothing) {
    for (int32_t kind : {int32_t(KindHotspot), 2, 7, -1}) {
        Control control(1, kind, 10, 10, 50, 50, true, 127);
        control.SetCaption("X");
        Canvas canvas(100, 100, Grey);
        DrawControl(canvas, control, {20, 20});
        EXPECT_TRUE(canvas.Pixels() == std::vector<Colour>(100 * 100, Grey)) << kind;
    }
}

TEST_F(PaintTest, ThumbsUseTheNormalPiecesUnderThePointer) {
    const Control horizontal(3, KindHorizontalThumb, 0, 10, 200, 30, true, 127);
    const Control vertical(4, KindVerticalThumb, 250, 0, 270, 150, true, 127);
    Canvas canvas(300, 200, Grey);
    DrawControl(canvas, horizontal, {100, 20});
    DrawControl(canvas, vertical, {100, 20});
    EXPECT_TRUE(ShowsPictures(canvas, 0, 10, {Piece(ButtonLeftSlot)}));
    EXPECT_TRUE(ShowsPictures(canvas, 120, 10, {Piece(ButtonMiddleSlot)}));
    EXPECT_TRUE(ShowsPictures(canvas, 190, 10, {Piece(ButtonRightSlot)}));
    EXPECT_TRUE(ShowsPictures(canvas, 250, 0, {Piece(ThumbTopSlot)}));
    for (int y = 10; y < 140; y += 43) EXPECT_TRUE(ShowsPictures(canvas, 250, y, {Piece(ThumbMiddleSlot)}));
    EXPECT_TRUE(ShowsPictures(canvas, 250, 140, {Piece(ThumbBottomSlot)}));
}

// ---- Icon grids ----

struct PermissionCase {
    const char* name;
    int32_t value;
    int control;  // 98, 99: the PVT switches; 100..104, 105..109: the towers of side 0, 1
    int iconCode;
    int frameState;
    bool dimmed;
};

class PermissionIcons : public PaintTest, public ::testing::WithParamInterface<PermissionCase> {};

TEST_P(PermissionIcons, ShowTheirStateByFrameAndDimming) {
    const PermissionCase& c = GetParam();
    LoadLevelInCode();
    editorState.infoMode = true;
    if (c.control < 100) currentLevel.levelInfo.pvtFlag[c.control - 98] = c.value;
    else currentLevel.levelInfo.towersAllowed[(c.control - 100) % 5][(c.control - 100) / 5] = c.value;
    const Rect rect = RectOf(c.control);
    for (bool hovered : {false, true}) {
        PointAt(hovered ? rect.left + 20 : 10, hovered ? rect.top + 20 : 10);
        const Bitmap* frame = Piece(IconFrameSlot + (hovered ? 1 : 0) + c.frameState);
        EXPECT_TRUE(ShowsPictures(Paint(), rect.left, rect.top, {frame, Icon(c.iconCode), c.dimmed ? Icon(0) : nullptr}))
            << (hovered ? "hovered" : "not hovered");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, PermissionIcons,
                         ::testing::Values(PermissionCase{"PvtOffSide0", 0, 98, 40, 2, false},
                                           PermissionCase{"PvtOnSide1", 1, 99, 40, 0, true},
                                           PermissionCase{"SmallTowerAllowedSide0", 1, 100, 25, 2, false},
                                           PermissionCase{"PlasmaTowerForbiddenSide0", 0, 102, 27, 0, true},
                                           PermissionCase{"LaserTowerAllowedSide1", 1, 108, 28, 2, false},
                                           PermissionCase{"ShellTowerForbiddenSide1", 0, 109, 29, 0, true}),
                         CaseName());

TEST_F(PaintTest, ProductionIconsDarkAndClearWhenResearched) {
    LoadLevelInCode();
    Building& factory = PlaceBuilding(1, KindHeavyFactory, 2, 2, 0);
    factory.researchable = 3;
    factory.researched = 1;
    factory.produced[1] = 3;
    factory.produced[2] = 8;
    factory.produced[3] = 14;
    Select(1, false);
    const Rect second = RectOf(37);
    PointAt(second.left + 1, second.top + 1);
    const Canvas& frame = Paint();
    EXPECT_TRUE(ShowsPictures(frame, RectOf(36).left, 280, {Piece(IconFrameSlot), Icon(3)}));
    EXPECT_TRUE(ShowsPictures(frame, second.left, 280, {Piece(IconFrameSlot + 3), Icon(8), Icon(0)}));
    EXPECT_TRUE(ShowsPictures(frame, RectOf(38).left, 280, {Piece(IconFrameSlot + 2), Icon(14), Icon(0)}));
    EXPECT_FALSE(FindControl(39)->IsVisible());
}

TEST_F(PaintTest, ProducedCodesWithoutAnIconDrawTheFrameAlone) {
    LoadLevelInCode();
    Building& radar = PlaceBuilding(1, KindRadar, 2, 2, 0);
    radar.researchable = 3;
    radar.researched = 1;
    radar.produced[1] = 47;
    radar.produced[2] = -1;
    radar.produced[3] = 1000000;
    Select(1, false);
    PointAt(5, 5);
    const Canvas& frame = Paint();
    const int states[] = {0, 2, 2};
    for (int i = 0; i < 3; ++i) {
        const Rect rect = RectOf(36 + i);
        const Bitmap* cell = Piece(IconFrameSlot + states[i]);
        EXPECT_TRUE(ShowsPictures(frame, rect.left, rect.top, {cell})) << i;
        // Where the frame is open the panel picture shows, neither icon nor overlay.
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                Colour unused = 0;
                if (Composite({cell}, x, y, unused)) continue;
                ASSERT_EQ(frame.Pixel(rect.left + x, rect.top + y),
                          interfaceBitmaps[0]->Pixels()[size_t(rect.top + y) * 270 + size_t(rect.left - 670 + x)]);
            }
    }
}

TEST_F(PaintTest, BuildingsWithoutProductionShowNoIconsNorResearchValues) {
    LoadLevelInCode();
    for (int32_t kind : {KindSmallTower, KindShellTower, KindMainBase}) {
        PlaceBuilding(1, kind, 2, 2, 0).researchable = 3;
        Select(1, false);
        Paint();
        for (int id : {30, 31, 34, 36, 37, 38}) EXPECT_FALSE(FindControl(id)->IsVisible()) << kind << " " << id;
    }
}

// ---- Names and icons of kinds ----

struct NameCase {
    const char* name;
    int32_t kind;
    const char* unitName;
    const char* buildingName;
};

class KindNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(KindNames, KeepTheirPaddingAndFallBackAlike) {
    const NameCase& c = GetParam();
    EXPECT_STREQ(UnitKindName(c.kind), c.unitName);
    EXPECT_STREQ(BuildingKindName(c.kind), c.buildingName);
}

constexpr const char* Overflow = "单位超载！！！";

INSTANTIATE_TEST_SUITE_P(
    Codes, KindNames,
    ::testing::Values(NameCase{"LightAirDefenceTank", 1, "轻型空对空坦克   ", Overflow},
                      NameCase{"MediumArtillery", 5, "中型炮兵         ", Overflow},
                      NameCase{"LightSpecialTank", 13, "轻型特派坦克 ", Overflow},
                      NameCase{"AfterTheVehicles", 16, Overflow, Overflow},
                      NameCase{"SmallTower", 25, Overflow, "小炮塔"},
                      NameCase{"AntiAirTower", 26, Overflow, "空对空防空炮塔  "},
                      NameCase{"AirForce", 30, Overflow, Overflow}, NameCase{"Ufo", 40, "UFO", Overflow},
                      NameCase{"LastMachine", 46, "罗G", Overflow},
                      NameCase{"MainBase", 100, Overflow, "主基地....."},
                      NameCase{"MediumFactory", 102, Overflow, "中型工厂......."},
                      NameCase{"Radar", 104, Overflow, "雷达 "},
                      NameCase{"RobotFactory", 108, Overflow, "地下机器人生产工厂"},
                      NameCase{"AfterTheBuildings", 109, Overflow, Overflow},
                      NameCase{"Negative", -5, Overflow, Overflow}),
    CaseName());

TEST_F(PaintTest, KindIconsAreTheCataloguesSlotsAndNothingOutsideIt) {
    for (int32_t code = 0; code < IconBitmapCount; ++code) EXPECT_EQ(KindIcon(code), iconBitmaps[code]) << code;
    for (int32_t code : {-1, 47, 100, 108, 1 << 30}) EXPECT_EQ(KindIcon(code), nullptr) << code;
    EXPECT_NE(KindIcon(30), KindIcon(35));
}

}  // namespace
