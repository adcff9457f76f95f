// A fixture for tests of loading and saving: a fresh temporary folder as the
// working folder, level records, editor state and message boxes reset.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "engine/headless/headless.h"
#include "engine/platform_files.h"
#include "input/editor_state.h"
#include "input/level_files.h"
#include "level/level_data.h"
#include "level_test_support.h"

class LevelFolder : public testing::Test {
  protected:
    void SetUp() override {
        previousFolder = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "levels-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        std::filesystem::current_path(folder);
        ResetEverything();
    }
    void TearDown() override {
        ResetEverything();
        std::filesystem::current_path(previousFolder);
        std::error_code ignored;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder, ignored);
    }

    static void ResetEverything() {
        headless::Reset();
        ResetEditorGlobals();
        platform::SetFileFaults({});
    }

    // The names in the folder, sorted.
    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::vector<std::string> MessageTexts() {
        std::vector<std::string> texts;
        for (const headless::RecordedMessage& message : headless::Messages()) texts.push_back(message.text);
        return texts;
    }

    static void LoadLevelNumber(int32_t levelNumber) {
        editorState.levelNumber = levelNumber;
        LoadLevel();
    }

    std::filesystem::path previousFolder;
    std::filesystem::path folder;
};
