// The fixed texts of the help screen: three blocks per page, broken into
// lines only at line feeds, and the About line under them. Each block is
// drawn as it stands, so none may hold a percent sign, and each stays within
// 1024 bytes.
#pragma once

#include <cstddef>
#include <string_view>

constexpr int HelpPageCount = 2;
constexpr int HelpBlocksPerPage = 3;
constexpr std::size_t HelpBlockCapacity = 1024;

inline constexpr std::string_view AboutLine = "Tarnhold地图编辑器 1.0版";

inline constexpr std::string_view HelpPageOneIntroduction =
    "汉化说明：本编辑器的中文界面由汉化者翻译制作。\n"
    "本程序完全免费，仅供学习和交流使用，请尊重原作者的劳动成果。\n"
    "使用方法：请把本程序放到游戏目录下的 Data\\Levels 文件夹中再运行。\n"
    "本编辑器只适用于本游戏的这一版本，其他版本的关卡文件可能无法正确读写。\n"
    "已知的不足之处：\n"
    "  1. 汉化为测试版，个别文字可能不够准确；\n"
    "  2. 撤销按 Ctrl+Z，重做按 Ctrl+Y 或 Ctrl+Shift+Z，载入关卡后撤销记录清空；\n"
    "  3. 使用本程序时出现的任何硬件问题，作者与汉化者概不负责。\n"
    "欢迎来汉化者的论坛交流：forum.tarnhold.example";

inline constexpr std::string_view HelpPageOneLimits =
    "本编辑器限制每个关卡最多 300 个建筑和 50 个单位。\n"
    "修改地图后必须点击“保存修改地图”进行保存，本程序不会自动保存。";

// The three blocks of a page, top to bottom; page 2 is left empty.
inline constexpr std::string_view HelpBlocks[HelpPageCount][HelpBlocksPerPage] = {
    {HelpPageOneIntroduction, HelpPageOneLimits, ""},
    {"", "", ""},
};

constexpr bool FitsAsHelpText(std::string_view text) {
    return text.size() <= HelpBlockCapacity && text.find('%') == std::string_view::npos;
}

constexpr bool AllHelpTextsFit() {
    for (const auto& page : HelpBlocks)
        for (std::string_view block : page)
            if (!FitsAsHelpText(block)) return false;
    return FitsAsHelpText(AboutLine);
}
static_assert(AllHelpTextsFit(), "a help text is too long or holds a percent sign");
