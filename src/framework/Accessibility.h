#pragma once
// What assistive technology learns of a windowed control, decided once for every back end: the role a
// screen reader announces and the name it reads. Names are Windows-1252 text, as captions are.
#include <string>

#include "framework/Controls.h"

enum class TAccessibleRole { Other, Image, Grouping, PushButton, Text };

struct TAccessibleInfo {
    TAccessibleRole Role{TAccessibleRole::Other};
    std::string Name;
    std::string Description; // what the control's shown hint says of it
    const TWinControl* LabelledBy{nullptr}; // the control whose caption names this one
};

// A group box is a grouping named by its caption; an edit inside one is text labelled by that caption;
// buttons are push buttons named by theirs. A panel that a picture fills is the window's banner: one
// image named after the window's caption, so its own caption (hidden under the picture) is never read.
// Trailing blanks of a caption are layout, not name.
TAccessibleInfo AccessibleInfoOf(const TWinControl& Control);
