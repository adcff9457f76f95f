#include <functional>
#include <set>
#include <vector>

#include "draw/frame.h"
#include "level/kind_names.h"
#include "draw/panel_values.h"
#include "engine/font.h"
#include "paint_fixture.h"

namespace {

constexpr Colour Background = Rgb(45, 50, 46);
constexpr Colour White = Rgb(255, 255, 255);

std::set<int> Ids(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> ids;
    for (auto [first, last] : ranges)
        for (int id = first; id <= last; ++id) ids.insert(id);
    return ids;
}

std::set<int> VisibleIds() {
    std::set<int> ids;
    for (int id = 1; id <= controlList.Count(); ++id)
        if (FindControl(id)->IsVisible()) ids.insert(id);
    return ids;
}

// ---- Visibility ----

struct VisibilityCase {
    const char* name;
    std::function<void()> arrange;
    std::set<int> visible;
};

class Visibility : public PaintTest, public ::testing::WithParamInterface<VisibilityCase> {};

TEST_P(Visibility, IsDecidedAfreshByEveryPaint) {
    const VisibilityCase& c = GetParam();
    // Whatever the last paint showed must not survive.
    for (int id = 1; id <= controlList.Count(); ++id) FindControl(id)->SetVisible(id % 2 == 0);
    c.arrange();
    Paint();
    EXPECT_EQ(VisibleIds(), c.visible);
}

const std::set<int> EditorBase = Ids({{1, 11}, {48, 50}, {122, 122}});
std::set<int> With(std::set<int> ids, std::initializer_list<std::pair<int, int>> ranges) {
    for (int id : Ids(ranges)) ids.insert(id);
    return ids;
}

void LoadedWithBuilding(int32_t kind, int32_t researchable, bool selected) {
    LoadLevelInCode();
    Building& building = PlaceBuilding(1, kind, 2, 2, 0);
    building.researchable = researchable;
    if (selected) Select(1, false); else Hover(1, false);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Visibility,
    ::testing::Values(
        VisibilityCase{"NothingLoaded", [] {}, Ids({{1, 4}, {7, 11}, {122, 122}})},
        // The rows of the selected record show; the buttons that need a level do not.
        VisibilityCase{"NothingLoadedButASelection", [] { editorState.selectedIndex = 1; },
                       Ids({{1, 4}, {7, 15}, {20, 29}, {46, 47}, {51, 52}, {122, 122}})},
        VisibilityCase{"LoadedNoObject", [] { LoadLevelInCode(); }, With(EditorBase, {{54, 55}})},
        VisibilityCase{"HoveredUnit",
                       [] {
                           LoadLevelInCode();
                           currentLevel.units.resize(3);
                           editorState.hoverIndex = 1;
                           editorState.hoverIsUnit = true;
                       },
                       With(EditorBase, {{12, 12}, {15, 15}, {20, 22}, {29, 29}, {51, 52}})},
        VisibilityCase{"SelectedUnit",
                       [] {
                           LoadLevelInCode();
                           currentLevel.units.resize(3);
                           editorState.selectedIndex = 1;
                           editorState.selectedIsUnit = true;
                       },
                       With(EditorBase, {{12, 12}, {15, 15}, {20, 22}, {29, 29}, {51, 53}})},
        VisibilityCase{"SelectedMainBase", [] { LoadedWithBuilding(KindMainBase, 0, true); },
                       With(EditorBase, {{12, 15}, {20, 29}, {46, 47}, {51, 53}})},
        VisibilityCase{"HoveredRadarWithThreeLevels", [] { LoadedWithBuilding(KindRadar, 3, false); },
                       With(EditorBase, {{12, 38}, {46, 47}, {51, 52}})},
        VisibilityCase{"SelectedLightFactoryWithTwoLevels", [] { LoadedWithBuilding(KindLightFactory, 2, true); },
                       With(EditorBase, {{12, 37}, {41, 42}, {46, 47}, {51, 53}})},
        VisibilityCase{"InformationPage",
                       [] {
                           LoadLevelInCode();
                           editorState.infoMode = true;
                       },
                       Ids({{1, 4}, {7, 11}, {48, 50}, {56, 110}, {115, 122}, {125, 131}})},
        VisibilityCase{"InformationPageWithALimit",
                       [] {
                           LoadLevelInCode();
                           editorState.infoMode = true;
                           currentLevel.levelInfo.limitEnabled = 1;
                       },
                       Ids({{1, 4}, {7, 11}, {48, 50}, {56, 122}, {125, 131}})},
        VisibilityCase{"InformationPageHidesTheObjectPanel",
                       [] {
                           LoadedWithBuilding(KindHeavyFactory, 5, true);
                           editorState.infoMode = true;
                       },
                       Ids({{1, 4}, {7, 11}, {48, 50}, {56, 110}, {115, 122}, {125, 131}})},
        VisibilityCase{"HelpPageOne",
                       [] {
                           FindControl(122)->SetVisible(true);
                           editorState.helpPage = 1;
                       },
                       Ids({{122, 122}, {124, 124}})},
        VisibilityCase{"HelpPageTwoLoaded",
                       [] {
                           LoadLevelInCode();
                           FindControl(122)->SetVisible(true);
                           editorState.helpPage = 2;
                       },
                       Ids({{122, 123}})}),
    CaseName());

// ---- The object panel ----

struct PanelCase {
    const char* name;
    int32_t side;
    Colour colour;
};

class ObjectPanel : public PaintTest, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(ObjectPanel, WritesTheBuildingsNameAndValuesInItsSidesColour) {
    const PanelCase& c = GetParam();
    LoadLevelInCode();
    Building& factory = PlaceBuilding(3, KindMediumFactory, 2, 2, c.side);
    factory.healthPercent = 73;
    factory.satelliteProtection = 0;
    factory.researchable = 4;
    factory.researched = 2;
    Select(3, false);
    const Canvas& frame = Paint();
    EXPECT_TRUE(ShowsText(frame, "中型工厂.......", ObjectTitleRect, c.colour, TextLayout::LeftMiddle));
    EXPECT_TRUE(ShowsText(frame, "73", RectOf(24).ToPixelRect(), c.colour));
    EXPECT_TRUE(ShowsText(frame, "关", RectOf(27).ToPixelRect(), c.colour));
    EXPECT_TRUE(ShowsText(frame, "3", RectOf(29).ToPixelRect(), c.colour));
    EXPECT_TRUE(ShowsText(frame, "4", RectOf(31).ToPixelRect(), c.colour));
    EXPECT_TRUE(ShowsText(frame, "2", RectOf(34).ToPixelRect(), c.colour));
    const Control& sideBox = *FindControl(21);
    EXPECT_EQ(Rgb(uint8_t(sideBox.GetRed()), uint8_t(sideBox.GetGreen()), uint8_t(sideBox.GetBlue())), c.colour);
    EXPECT_EQ(frame.Pixel(RectOf(21).left + 1, RectOf(21).top + 1), c.colour);
}

INSTANTIATE_TEST_SUITE_P(Sides, ObjectPanel,
                         ::testing::Values(PanelCase{"Side0", 0, Rgb(0, 0, 255)}, PanelCase{"Side1", 1, Rgb(0, 127, 0)},
                                           PanelCase{"Neutral", 2, White}, PanelCase{"Unknown", 7, Rgb(0, 0, 0)}),
                         CaseName());

TEST_F(PaintTest, UnitPanelShowsItsNameAndNumber) {
    LoadLevelInCode();
    PlaceUnit(4, 9, 1, 1, 1);
    Hover(4, true);
    const Canvas& frame = Paint();
    EXPECT_TRUE(ShowsText(frame, "重型坦克  ", ObjectTitleRect, Rgb(0, 127, 0), TextLayout::LeftMiddle));
    EXPECT_TRUE(ShowsText(frame, "4", RectOf(29).ToPixelRect(), Rgb(0, 127, 0)));
}

TEST_F(PaintTest, SelectionTakesThePanelFromTheHoveredObject) {
    LoadLevelInCode();
    PlaceBuilding(1, KindSmallTower, 1, 1, 0).satelliteProtection = 1;
    PlaceUnit(1, 40, 5, 5, 1);
    Hover(1, true);
    Select(1, false);
    const Canvas& frame = Paint();
    EXPECT_TRUE(ShowsText(frame, "小炮塔", ObjectTitleRect, Rgb(0, 0, 255), TextLayout::LeftMiddle));
    EXPECT_TRUE(FindControl(13)->IsVisible());  // a building row
    EXPECT_TRUE(ShowsText(frame, "开", RectOf(27).ToPixelRect(), Rgb(0, 0, 255)));
}

TEST_F(PaintTest, ClassButtonsAreLitForResearchedLevels) {
    LoadLevelInCode();
    Building& factory = PlaceBuilding(1, KindHeavyFactory, 2, 2, 0);
    factory.researchable = 4;
    factory.researched = 1;
    Select(1, false);
    Paint();
    const int expected[] = {191, 127, 127, 127};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(FindControl(41 + i)->GetRed(), expected[i]) << 41 + i;
    EXPECT_FALSE(FindControl(45)->IsVisible());
}

// ---- The information page ----

TEST_F(PaintTest, InformationValuesInTheColoursOfTheirSides) {
    LoadLevelInCode();
    editorState.infoMode = true;
    currentLevel.levelInfo.credits[0] = 4500;
    currentLevel.levelInfo.credits[1] = 12300;
    currentLevel.levelInfo.researchPoints[1] = 700;
    currentLevel.levelInfo.airForces[4][0] = 9;
    currentLevel.levelInfo.airForces[2][1] = 31;
    currentLevel.levelInfo.startX = 12;
    currentLevel.levelInfo.startY = 7;
    currentLevel.levelInfo.limitEnabled = 1;
    currentLevel.levelInfo.limitTime = 45;
    const Canvas& frame = Paint();
    const Colour blue = Rgb(0, 0, 255), green = Rgb(0, 127, 0);
    EXPECT_TRUE(ShowsText(frame, "4500", RectOf(57).ToPixelRect(), blue));
    EXPECT_TRUE(ShowsText(frame, "12300", RectOf(60).ToPixelRect(), green));
    EXPECT_TRUE(ShowsText(frame, "700", RectOf(66).ToPixelRect(), green));
    EXPECT_TRUE(ShowsText(frame, "9", RectOf(93).ToPixelRect(), blue));
    EXPECT_TRUE(ShowsText(frame, "31", RectOf(84).ToPixelRect(), green));
    EXPECT_TRUE(ShowsText(frame, "45", RectOf(113).ToPixelRect(), White));
    EXPECT_TRUE(ShowsText(frame, "12", RectOf(127).ToPixelRect(), White));
    EXPECT_TRUE(ShowsText(frame, "7", RectOf(130).ToPixelRect(), White));
    EXPECT_EQ(FindControl(110)->GetRed(), 191);
}

struct LimitCase {
    const char* name;
    int32_t enabled;
    int32_t type;
    const char* caption;  // after the first paint
};

class LimitCaption : public PaintTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitCaption, NamesTheTypeFromTheNextPaintOn) {
    const LimitCase& c = GetParam();
    LoadLevelInCode();
    editorState.infoMode = true;
    currentLevel.levelInfo.limitEnabled = c.enabled;
    currentLevel.levelInfo.limitType = c.type;
    FindControl(111)->SetCaption("坚守..");
    const Canvas first = Paint();
    EXPECT_STREQ(FindControl(111)->GetCaption(), c.caption);
    if (c.enabled != 1) return;
    EXPECT_TRUE(ShowsText(first, "坚守..", RectOf(111).ToPixelRect(), White));
    EXPECT_TRUE(ShowsText(Paint(), c.caption, RectOf(111).ToPixelRect(), White));
}

INSTANTIATE_TEST_SUITE_P(Types, LimitCaption,
                         ::testing::Values(LimitCase{"Reinforcements", 1, 0, "增援  "},
                                           LimitCase{"TimeLimit", 1, 1, "限时"}, LimitCase{"HoldOut", 1, 2, "坚守.."},
                                           LimitCase{"UnknownTypeKeepsTheName", 1, 3, "坚守.."},
                                           LimitCase{"NegativeTypeKeepsTheName", 1, -1, "坚守.."},
                                           LimitCase{"NoLimitKeepsTheName", 0, 1, "坚守.."}),
                         CaseName());

// ---- The frame ----

TEST_F(PaintTest, BeforeLoadingTheFrameShowsPanelGridAndBottomBar) {
    const Canvas& frame = Paint();
    EXPECT_TRUE(ShowsPictures(frame, 670, 0, {interfaceBitmaps[0]}));
    EXPECT_EQ(frame.Pixel(5, 5), Background);
    EXPECT_EQ(frame.Pixel(10, 5), Rgb(0, 0, 0));
    EXPECT_TRUE(ShowsText(frame, "1", RectOf(8).ToPixelRect(), White));
    const int creditLeft = 200 + (190 - TextWidth(CreditLine)) / 2;
    EXPECT_TRUE(ShowsText(frame, CreditLine, {creditLeft, 670, 390, 690}, Rgb(255, 42, 42), TextLayout::TopLeftLines));
    EXPECT_EQ(frame.Pixel(642, 300), Background);
}

TEST_F(PaintTest, HelpScreenShowsNeitherPanelNorMapView) {
    LoadLevelInCode();
    PlaceBuilding(1, KindMainBase, 0, 0, 0);
    editorState.helpPage = 2;
    const Canvas& frame = Paint();
    for (auto [x, y] : {std::pair{5, 5}, {20, 20}, {300, 300}, {800, 300}, {939, 0}, {640, 100}})
        EXPECT_EQ(frame.Pixel(x, y), Background) << x << ", " << y;
    EXPECT_TRUE(ShowsText(frame, "页面： 2", {750, 670, 850, 690}, White, TextLayout::TopLeftLines));
}

TEST_F(PaintTest, ThePaintRequestDrawsTheSameFrame) {
    LoadLevelInCode();
    PlaceBuilding(1, KindHeavyFactory, 3, 3, 1).researchable = 3;
    Select(1, false);
    PointAt(700, 300);
    const Canvas composed = Paint();
    editorEngine->RouteEvent({platform::EventType::Paint});
    EXPECT_TRUE(composed.Pixels() == headless::LastFrame().Pixels());
}

}  // namespace
