#pragma once
// Published pieces that every control class shares: the alignment names, the bounds that every
// control stores first, and the font that is stored only while the control has its own.
#include "framework/Controls.h"
#include "framework/TypInfo.h"

const TEnumInfo& AlignInfo();
const TEnumInfo& AnchorKindInfo();
const TEnumInfo& DragKindInfo();
const TEnumInfo& DragModeInfo();
// A control's size limits, a sub-object written only where a limit is set.
TPropInfo ConstraintsProp();
// A control's pop-up menu reference.
TPropInfo PopupMenuProp();
// Left, Top, Width and Height, always stored.
const TPublishedClass& ControlClass();
// The control's font, written only while ParentFont is off.
TPropInfo ControlFontProp();
// The form's own properties (a form class made in a description publishes these under its name).
const TPublishedClass& FormClass();
