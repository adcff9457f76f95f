// Moving between the object page, the map-information page and the help
// screen.
#pragma once

#include <cstdint>

// Control 50 names the page it leads to; control 122 how to leave help.
inline constexpr char ToInfoPageCaption[] = "地图信息详细编辑科技树....";
inline constexpr char ToObjectPageCaption[] = "跳转上一个界面菜单......";
inline constexpr char EnterHelpCaption[] = "关于程序";
inline constexpr char LeaveHelpCaption[] = " 返回 ";

// Between the object page and the map-information page; nothing while a new
// object is being placed or before a .map was read.
void SwitchEditorPage();

// Into help page 1, or back out to the editor page that was up.
void ToggleHelp();
void PreviousHelpPage();
void NextHelpPage();
