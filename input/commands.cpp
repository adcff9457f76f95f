// The one dispatcher from a control id to its command. The mouse handler
// passes the visible control under a left press; the zoom keys pass the zoom
// buttons' ids.
#include "input/commands.h"

#include "controls/control_ids.h"
#include "input/attribute_commands.h"
#include "input/information_commands.h"
#include "input/level_commands.h"
#include "input/object_commands.h"
#include "input/screen_commands.h"
#include "input/view_commands.h"

void RunClickCommand(int id) {
    switch (id) {
    case HorizontalTrackId: CentreHorizontalThumbOnPointer(); return;
    case VerticalTrackId: CentreVerticalThumbOnPointer(); return;
    case ZoomInId: ZoomIn(); return;
    case ZoomOutId: ZoomOut(); return;
    case LevelDownId: PreviousLevelNumber(); return;
    case LevelUpId: NextLevelNumber(); return;
    case LoadLevelId: LoadChosenLevel(); return;
    case DeleteAllId: DeleteAllObjects(); return;
    case SaveLevelId: SaveEditedLevel(); return;
    case PageSwitchId: SwitchEditorPage(); return;
    case DeleteSelectedId: DeleteSelectedObject(); return;
    case AddBuildingId: AddBuilding(); return;
    case AddUnitId: AddUnit(); return;
    case HelpButtonId: ToggleHelp(); return;
    case HelpPreviousId: PreviousHelpPage(); return;
    case HelpNextId: NextHelpPage(); return;
    default: break;
    }
    if (RunObjectAttributeCommand(id)) return;
    RunMapInformationCommand(id);
}
