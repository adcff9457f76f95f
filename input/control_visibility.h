// Which controls a paint shows. Before every paint each control's visible flag is
// decided afresh from the screen that is up and the panel object, and clicks reach
// only visible controls, so what was last painted is what can be clicked.
#pragma once

#include "input/panel_object.h"

// Both editor pages: everything hidden, then the scroll bars, the bottom bar and
// the panel's page button.
void ShowEditorControls();
// The information page's value rows, icons and labels; the limit row only while a
// limit is set, with the limit button's grey telling whether it is.
void ShowInformationPageControls();
// The object page's zoom buttons and the rows of the panel object, or the two add
// buttons when there is none; also the side box's colour and the class buttons' greys.
void ShowObjectPageControls(const PanelObject& object);
// Help pages: only the page buttons that lead somewhere; the help button keeps
// its visibility.
void ShowHelpScreenControls(int page);
// Without an .edt in memory there is nothing to zoom, delete, save, inspect or add.
void HideControlsNeedingObjects();
