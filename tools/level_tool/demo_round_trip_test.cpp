// The demo folder through the level tool: check finds nothing wrong with any
// level, and export then import writes, for every level, exactly the bytes
// the editor's load and save write.
#include <gtest/gtest.h>

#include "level_tool_files.h"
#include "tools/demo_levels/demo_levels.h"

namespace {

using DemoThroughTheTool = LevelFolder;

TEST_F(DemoThroughTheTool, CheckFindsNoErrors) {
    ASSERT_EQ(WriteDemoLevelFolder("demo", false).failure, "");
    const ToolRun run = RunTool({"check", "demo"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "24 levels checked: 0 errors, 0 warnings\n");
}

TEST_F(DemoThroughTheTool, ExportThenImportWritesWhatTheEditorsSaveWrites) {
    // The editor's copy is the working folder; the tool's is "tool".
    ASSERT_EQ(WriteDemoLevelFolder(".", false).failure, "");
    ASSERT_EQ(WriteDemoLevelFolder("tool", false).failure, "");
    for (int number = 0; number < DemoLevelCount; ++number) {
        char map[LevelFileNameSize], edt[LevelFileNameSize];
        BuildLevelFileName(map, number, ".map");
        BuildLevelFileName(edt, number, ".edt");
        SCOPED_TRACE(map);
        LoadLevelNumber(number);
        SaveLevel();
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{std::string(LevelSavedText)});
        headless::ClearMessages();

        const std::string level = std::string("tool/") + edt;
        ToolRun run = RunTool({"export", level, "-o", "level.json"});
        ASSERT_EQ(run.status, 0) << run.err;
        run = RunTool({"import", "level.json", level});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(ReadWholeFile(std::string("tool/") + map), ReadWholeFile(map));
        EXPECT_EQ(ReadWholeFile(level), ReadWholeFile(edt));
    }
}

}  // namespace
