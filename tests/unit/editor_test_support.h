// Helpers shared by the tests that drive the started editor, and the naming of
// test cases.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

#include "controls/control_list.h"
#include "editor/editor.h"
#include "engine/game_engine.h"

// In the unnamed namespace, where every test file keeps its cases, so that
// GoogleTest finds PrintTo beside them.
namespace {

// A case of a table or a parameterised test that carries its own label.
template <typename Case>
concept NamedCase = requires(const Case& c) {
    { c.name } -> std::convertible_to<std::string_view>;
};

// A failing case is reported by its label, not by its bytes.
template <NamedCase Case>
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// For INSTANTIATE_TEST_SUITE_P: each test is called by its case's label, which
// must therefore be letters and digits only.
struct CaseName {
    template <NamedCase Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

}  // namespace

// The editor as the window starts it, on the headless backend, from reset globals.
inline void StartEditor() {
    ResetEditorGlobals();
    ASSERT_TRUE(EditorInitialize(nullptr));
    ASSERT_TRUE(editorEngine->CreateMainWindow(1));
}

inline Rect RectOf(int id) { return FindControl(id)->GetRect(); }
