#include <filesystem>
#include <functional>

#include "level/pair_reading.h"
#include "level/pair_writing.h"
#include "level_folder.h"

namespace {

using PairFiles = LevelFolder;

struct FileStateCase {
    const char* what;
    std::function<void()> make;  // puts M03.map, M03.edt or something in their place
    FileState map, edt;
    const char* mapReason;
    const char* edtReason;
};

TEST_F(PairFiles, EachFileIsReadMissingOrUnreadableAndOnlyWhatWasReadChangesTheLevel) {
    const Bytes map = MakeMapBytes(20, 15, 96, 64);
    const Bytes edt = WriteEdt(LevelInfo{}, std::vector<Building>{BuildingOf(KindMainBase, 2, 2)}, {});
    const FileStateCase cases[] = {
        {"both", [&] { EXPECT_TRUE(WriteWholeFile("M03.map", map) && WriteWholeFile("M03.edt", edt)); },
         FileState::Read, FileState::Read, "", ""},
        {"no .map", [&] { EXPECT_TRUE(WriteWholeFile("M03.edt", edt)); },
         FileState::Missing, FileState::Read, "No such file or directory", ""},
        {"a folder for the .edt",
         [&] { EXPECT_TRUE(WriteWholeFile("M03.map", map) && std::filesystem::create_directory("M03.edt")); },
         FileState::Read, FileState::Unreadable, "", "it is a folder"},
    };
    for (const FileStateCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all("M03.map");
        std::filesystem::remove_all("M03.edt");
        c.make();
        Level level;
        level.buildingCount = 7;
        const LevelReadReport report = ReadLevelPair(level, LevelPairIn(".", 3));
        EXPECT_EQ(report.map.file, c.map);
        EXPECT_EQ(report.map.reason, c.mapReason);
        EXPECT_EQ(report.edt.file, c.edt);
        EXPECT_EQ(report.edt.reason, c.edtReason);
        EXPECT_EQ(level.mapGrid.columns, c.map == FileState::Read ? 20 : 64);
        EXPECT_EQ(level.levelInfo.startX, c.map == FileState::Read ? 3 : 0);
        EXPECT_EQ(level.buildingCount, c.edt == FileState::Read ? 1 : 7);
    }
}

TEST_F(PairFiles, APairIsWrittenMapFirstAndNotAtAllWhenTheMapCannotBePatched) {
    Level level;
    SetLevelObjects(level, std::vector<Building>{BuildingOf(KindRadar, 4, 4)}, {});
    level.levelInfo.startX = 2;
    const LevelPairPaths paths = LevelPairIn(".", 3);

    LevelWriteReport written = WriteLevelPair(level, paths);
    EXPECT_FALSE(written.map.written);
    EXPECT_NE(written.map.error, 0);
    EXPECT_FALSE(written.edt.written);
    EXPECT_TRUE(FolderContents().empty());

    written = WriteLevelPair(level, paths, false);
    EXPECT_TRUE(written.edt.written);
    EXPECT_EQ(ReadWholeFile("M03.edt"), LevelEdtBytes(level));

    const Bytes map = MakeMapBytes(20, 15);
    ASSERT_TRUE(WriteWholeFile("M03.map", map));
    written = WriteLevelPair(level, paths);
    EXPECT_TRUE(written.map.written && written.edt.written);
    Bytes patched = map;
    ASSERT_TRUE(PatchMapStart(patched, 2, 0));
    EXPECT_EQ(ReadWholeFile("M03.map"), patched);
}

}  // namespace
