// Every control of the layout either has its command or is one of the labels,
// value fields, the panel and the two thumbs that have none. A command is seen
// by what it changes from a state in which it can act.
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "controls/layout.h"
#include "editor_window.h"

namespace {

class CommandDispatch : public EditorWindow {
  protected:
    struct Snapshot {
        EditorState state;
        LevelInfo info;
        std::vector<Building> buildings;
        std::vector<Unit> units;
        int32_t buildingCount, unitCount;
        std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t, std::string>> controls;
        size_t messages;
        std::vector<std::string> files;

        bool operator==(const Snapshot& other) const {
            return state == other.state && std::memcmp(&info, &other.info, sizeof info) == 0 &&
                   buildings == other.buildings && units == other.units && buildingCount == other.buildingCount &&
                   unitCount == other.unitCount && controls == other.controls && messages == other.messages &&
                   files == other.files;
        }
    };

    Snapshot Take() const {
        Snapshot snapshot{editorState, currentLevel.levelInfo, currentLevel.buildings, currentLevel.units, currentLevel.buildingCount, currentLevel.unitCount, {},
                          headless::Messages().size(), FolderContents()};
        for (int32_t id = 1; id <= controlList.Count(); ++id) {
            const Control* control = FindControl(id);
            const Rect rect = control->GetRect();
            snapshot.controls.emplace_back(rect.left, rect.top, rect.right, rect.bottom, control->GetCaption());
        }
        return snapshot;
    }

    // A level in which every command has something to do: a selected heavy
    // factory in the middle of its ranges, mission values inside theirs, the
    // view zoomed once and scrolled, the pointer away from both thumbs.
    void SetUpRichState(int32_t helpPage) {
        ResetLevelRecords(currentLevel);
        ResetEditorState();
        BuildLayout();
        headless::ClearMessages();
        for (const std::string& name : FolderContents()) std::filesystem::remove(folder / name);
        editorState.mapLoaded = editorState.edtLoaded = true;
        editorState.levelNumber = 5;
        editorState.helpPage = helpPage;
        currentLevel.mapGrid.columns = 96;
        currentLevel.mapGrid.rows = 80;
        editorState.cellSize = 20;
        ResetMapScroll();
        FindControl(HorizontalThumbId)->MoveWithinRange(50, 0);
        FindControl(VerticalThumbId)->MoveWithinRange(0, 50);
        editorState.lastMouseX = editorState.lastMouseY = 600;
        const int32_t factory = AddBuildingAt(KindHeavyFactory, 4, 4);
        AddBuildingAt(KindSmallTower, 20, 20);
        AddUnitAt(7, 30, 30);
        Building& building = currentLevel.buildings[size_t(factory)];
        building.researchable = 3;
        building.researched = 1;
        building.healthPercent = 50;
        editorState.selectedIndex = factory;
        LevelInfo& info = currentLevel.levelInfo;
        info.credits[0] = info.credits[1] = 1234;
        info.researchPoints[0] = info.researchPoints[1] = 1234;
        for (auto& type : info.airForces) type[0] = type[1] = 10;
        info.limitEnabled = 1;
        info.limitTime = 50;
        info.limitType = 1;
        info.startX = info.startY = 5;
    }

    // Whether id changed anything from the rich state on the editor screens or
    // on either help page.
    bool HasCommand(int id) {
        for (int32_t helpPage : {0, 1, 2}) {
            SetUpRichState(helpPage);
            const Snapshot before = Take();
            RunClickCommand(id);
            if (!(Take() == before)) return true;
        }
        return false;
    }
};

TEST_F(CommandDispatch, EveryControlHasItsCommandOrIsOneWithout) {
    std::set<int> withoutCommand = {3, 4, 8, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 24, 27, 29, 31, 34,
                                    113, 115, 116, 117, 118, 119, 120, 121, 125, 127, 130};
    for (int id = 57; id <= 96; id += 3) withoutCommand.insert(id);  // the value fields between "<" and ">"
    ASSERT_EQ(controlList.Count(), 131);
    for (int id = 1; id <= 131; ++id) {
        const bool expected = withoutCommand.count(id) == 0;
        EXPECT_EQ(HasCommand(id), expected) << "control " << id;
    }
}

TEST_F(CommandDispatch, IdsOutsideTheLayoutDoNothing) {
    for (int id : {0, -1, 132, 1000, -2147483647 - 1}) EXPECT_FALSE(HasCommand(id)) << id;
}

}  // namespace
