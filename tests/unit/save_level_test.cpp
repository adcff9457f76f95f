#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "level/edt_format.h"
#include "level/map_format.h"
#include "level_folder.h"
#include "tools/level_tool/level_check.h"

namespace {

using SaveLevelTest = LevelFolder;

const std::string MapNotSaved(MapNotSavedText);
const std::string EdtNotSaved(EdtNotSavedText);
const std::string Saved(LevelSavedText);
using Texts = std::vector<std::string>;

// Files of at most `bytes` bytes can be written while this lives; writing
// further fails with EFBIG instead of killing the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

  private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

// A level on disk as the game would hold it, with enough buildings that its
// .edt takes several write blocks.
struct LevelOnDisk {
    Bytes map;
    Bytes edt;
};

LevelOnDisk WriteLevel(const std::string& base, int buildingTotal = 100) {
    LevelOnDisk level;
    level.map = MakeMapBytes(30, 25, 100, 100, [](int row, int column, uint8_t* r) {
        if ((row + column) % 3 == 0) r[0] = 251;
        if (row == column) r[10] = 1;
    });
    level.map.push_back(0x77);  // a trailer the editor never reads
    LevelInfo info{};
    info.credits[0] = 20000;
    info.researchPoints[1] = 768;
    info.opaque4 = 9;
    std::vector<Building> objects;
    for (int i = 0; i < buildingTotal; ++i) objects.push_back(BuildingOf(i % 2 ? 29 : 104, i % 30, i % 25));
    // The game stores unit positions at cell centres.
    const std::vector<Unit> troops = {Unit{7, 0, 12, 5}, Unit{44, 1, 29, 24}};
    level.edt = WriteEdt(info, objects, troops);
    EXPECT_TRUE(WriteWholeFile(base + ".map", level.map));
    EXPECT_TRUE(WriteWholeFile(base + ".edt", level.edt));
    return level;
}

TEST_F(SaveLevelTest, WithNothingLoadedNoFileIsCreated) {
    SaveLevel();
    EXPECT_EQ(MessageTexts(), (Texts{MapNotSaved, EdtNotSaved}));
    EXPECT_TRUE(FolderContents().empty());
    for (const headless::RecordedMessage& message : headless::Messages()) {
        EXPECT_EQ(message.caption, " 返回 ");
        EXPECT_EQ(message.buttons, platform::MessageButtons::OkCancel);
    }
}

TEST_F(SaveLevelTest, LoadThenSaveChangesOnlyTheStartBytesOfTheMap) {
    const LevelOnDisk level = WriteLevel("M03");
    LoadLevelNumber(3);
    SaveLevel();
    EXPECT_EQ(MessageTexts(), Texts{Saved});
    EXPECT_EQ(ReadWholeFile("M03.edt"), level.edt);
    // 100 pixels load as cell 3 and go back as 96.
    Bytes expectedMap = level.map;
    expectedMap[5] = expectedMap[9] = 96;
    expectedMap[6] = expectedMap[10] = 0;
    EXPECT_EQ(ReadWholeFile("M03.map"), expectedMap);
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"M03.edt", "M03.map"}));
}

TEST_F(SaveLevelTest, EditsReachTheFiles) {
    WriteLevel("M03");
    LoadLevelNumber(3);
    currentLevel.levelInfo.startX = 10;
    currentLevel.levelInfo.startY = 5;
    currentLevel.levelInfo.credits[1] = 300;
    currentLevel.buildings[1].x = 17;
    currentLevel.units[2].x = 70;
    currentLevel.unitCount = 1;
    SaveLevel();
    const Bytes map = ReadWholeFile("M03.map");
    EXPECT_EQ(map[5], 0x40);
    EXPECT_EQ(map[6], 0x01);
    EXPECT_EQ(map[9], 0xA0);
    EXPECT_EQ(map[10], 0x00);
    const Bytes edt = ReadWholeFile("M03.edt");
    EXPECT_EQ(edt.size(), EdtFileSize(100, 1));
    EXPECT_EQ(edt[12], 0x2C);
    EXPECT_EQ(edt[13], 0x01);
    EXPECT_EQ(edt[376 + 64], 17);
}

TEST_F(SaveLevelTest, MissingMapStillWritesTheEdt) {
    WriteLevel("M03");
    LoadLevelNumber(3);
    std::filesystem::remove("M03.map");
    std::filesystem::remove("M03.edt");
    SaveLevel();
    EXPECT_EQ(MessageTexts(), (Texts{MapNotSaved, Saved}));
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"M03.edt"});
    EXPECT_EQ(ReadWholeFile("M03.edt").size(), EdtFileSize(100, 2));
}

TEST_F(SaveLevelTest, WritesWhereTheLastLoadLookedNotWhereTheNumberPoints) {
    WriteLevel("M03");
    LoadLevelNumber(3);
    editorState.levelNumber = 4;
    SaveLevel();
    EXPECT_EQ(MessageTexts(), Texts{Saved});
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"M03.edt", "M03.map"}));
}

TEST_F(SaveLevelTest, AfterAMissingEdtTheObjectsInMemoryGoToTheNewLevel) {
    const LevelOnDisk level = WriteLevel("M03");
    LoadLevelNumber(3);
    ASSERT_TRUE(WriteWholeFile("M08.map", level.map));
    LoadLevelNumber(8);
    headless::ClearMessages();
    SaveLevel();
    EXPECT_EQ(MessageTexts(), Texts{Saved});
    EXPECT_EQ(ReadWholeFile("M08.edt"), level.edt);
}

TEST_F(SaveLevelTest, MapThatLostItsHeaderSinceLoadingIsNotLengthened) {
    WriteLevel("M03");
    LoadLevelNumber(3);
    ASSERT_TRUE(WriteWholeFile("M03.map", Bytes(10, 0x33)));
    SaveLevel();
    EXPECT_EQ(MessageTexts(), (Texts{MapNotSaved, Saved}));
    EXPECT_EQ(ReadWholeFile("M03.map"), Bytes(10, 0x33));
}

struct FailedSaveCase {
    const char* what;
    platform::FileFaults faults;
    rlim_t sizeLimit;  // RLIM_INFINITY: none
    Texts messages;
};

TEST_F(SaveLevelTest, FailedSaveLeavesTheOldEdtAndNoTemporaryFile) {
    const FailedSaveCase cases[] = {
        {"first write fails", {1, false, false}, RLIM_INFINITY, {EdtNotSaved}},
        {"second write fails", {2, false, false}, RLIM_INFINITY, {EdtNotSaved}},
        {"fsync fails", {0, true, false}, RLIM_INFINITY, {EdtNotSaved}},
        {"rename fails", {0, false, true}, RLIM_INFINITY, {EdtNotSaved}},
        {"disk full after 5000 bytes", {}, 5000, {EdtNotSaved}},
        // The start bytes of the .map lie at offsets 5 to 10.
        {"disk full after 5 bytes", {}, 5, {MapNotSaved, EdtNotSaved}},
    };
    for (const FailedSaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetEverything();
        const LevelOnDisk level = WriteLevel("M03");
        LoadLevelNumber(3);
        currentLevel.levelInfo.startX = 1;
        currentLevel.buildingCount = 120;  // the new file would be larger than the old one
        EnsureBuildingNumber(currentLevel, 120);
        platform::SetFileFaults(c.faults);
        {
            FileSizeLimit limit(c.sizeLimit);
            SaveLevel();
        }
        platform::SetFileFaults({});
        EXPECT_EQ(MessageTexts(), c.messages);
        EXPECT_EQ(ReadWholeFile("M03.edt"), level.edt);
        EXPECT_EQ(FolderContents(), (std::vector<std::string>{"M03.edt", "M03.map"}));
        if (c.messages.size() == 2) {
            EXPECT_EQ(ReadWholeFile("M03.map"), level.map);
        }
    }
}

TEST_F(SaveLevelTest, ReadOnlyEdtIsRefused) {
    const LevelOnDisk level = WriteLevel("M03");
    LoadLevelNumber(3);
    std::filesystem::permissions("M03.edt", std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    currentLevel.buildingCount = 1;
    SaveLevel();
    EXPECT_EQ(MessageTexts(), (Texts{EdtNotSaved}));
    EXPECT_EQ(ReadWholeFile("M03.edt"), level.edt);
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"M03.edt", "M03.map"}));
}

TEST_F(SaveLevelTest, ReplacedEdtKeepsItsPermissions) {
    WriteLevel("M03");
    chmod("M03.edt", 0640);
    LoadLevelNumber(3);
    SaveLevel();
    struct stat status {};
    ASSERT_EQ(stat("M03.edt", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(SaveLevelTest, FolderWithoutWritePermissionKeepsTheOldEdt) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    const LevelOnDisk level = WriteLevel("M03");
    LoadLevelNumber(3);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    SaveLevel();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(MessageTexts(), (Texts{EdtNotSaved}));
    EXPECT_EQ(ReadWholeFile("M03.edt"), level.edt);
}

TEST_F(SaveLevelTest, ReadOnlyMapIsReportedAndTheEdtStillSaved) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    const LevelOnDisk level = WriteLevel("M03");
    LoadLevelNumber(3);
    currentLevel.levelInfo.startX = 1;
    chmod("M03.map", 0444);
    SaveLevel();
    EXPECT_EQ(MessageTexts(), (Texts{MapNotSaved, Saved}));
    EXPECT_EQ(ReadWholeFile("M03.map"), level.map);
}

// Files a killed save may leave, and files that only look like them. `check`
// warns about the save's own kind; the next save of M03 removes those of
// M03.edt last written over an hour ago, and nothing else.
struct LeftoverCase {
    const char* name;
    int minutesOld;
    bool warned;
    bool removed;
};

TEST_F(SaveLevelTest, SavingRemovesOnlyItsOwnTemporaryFilesOverAnHourOld) {
    const LeftoverCase cases[] = {
        {"M03.edt.~tarnhold-a1B2c3", 61, true, true},
        {"M03.edt.~tarnhold-Zz9yX8", 59, true, false},
        {"M04.edt.~tarnhold-a1B2c3", 120, true, false},
        {"M03.edt.backup", 120, false, false},
        {"M03.edt.~tarnhold-a1B2c", 120, false, false},
        {"M03.edt.~tarnhold-a1B2c3.old", 120, false, false},
        {"M03.edt.~tarnhold-a1B-c3", 120, false, false},
        {"m03.edt.~tarnhold-a1B2c3", 120, false, false},
    };
    WriteLevel("M03");
    WriteLevel("M04");
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const LeftoverCase& c : cases) {
        ASSERT_TRUE(WriteWholeFile(c.name, Bytes(3, 0x55)));
        std::filesystem::last_write_time(c.name, now - std::chrono::minutes(c.minutesOld));
    }
    FolderCheck check;
    std::string error;
    ASSERT_TRUE(CheckFolder(".", check, error)) << error;
    LoadLevelNumber(3);
    SaveLevel();
    ASSERT_EQ(MessageTexts(), Texts{Saved});
    for (const LeftoverCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool warned = std::any_of(check.findings.begin(), check.findings.end(), [&](const Finding& finding) {
            return finding.file == c.name && finding.severity == Severity::Warning;
        });
        EXPECT_EQ(warned, c.warned);
        EXPECT_EQ(!std::filesystem::exists(c.name), c.removed);
    }
}

}  // namespace
