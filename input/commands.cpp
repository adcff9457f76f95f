// The one dispatcher from a control id to its command. The mouse handler
// passes the visible control under a left press; the zoom keys pass 5 and 6.
#include "input/commands.h"

#include "input/attribute_commands.h"
#include "input/information_commands.h"
#include "input/level_commands.h"
#include "input/object_commands.h"
#include "input/screen_commands.h"
#include "input/view_commands.h"

void RunClickCommand(int id) {
    switch (id) {
    case 1: CentreHorizontalThumbOnPointer(); return;  // horizontal track
    case 2: CentreVerticalThumbOnPointer(); return;    // vertical track
    case 5: ZoomIn(); return;                           // "大"
    case 6: ZoomOut(); return;                          // "缩"
    case 7: PreviousLevelNumber(); return;              // "<"
    case 9: NextLevelNumber(); return;                  // ">"
    case 10: LoadChosenLevel(); return;                 // "载入地图"
    case 48: DeleteAllObjects(); return;                // "删除一切单位."
    case 49: SaveEditedLevel(); return;                 // "保存修改地图"
    case 50: SwitchEditorPage(); return;                // page switch
    case 53: DeleteSelectedObject(); return;            // "删除单位."
    case 54: AddBuilding(); return;                     // "添加新建筑."
    case 55: AddUnit(); return;                         // "添加新单位..."
    case 122: ToggleHelp(); return;                     // "关于程序" / " 返回 "
    case 123: PreviousHelpPage(); return;               // "<--"
    case 124: NextHelpPage(); return;                   // "-->"
    default: break;
    }
    if (RunObjectAttributeCommand(id)) return;
    RunMapInformationCommand(id);
}
