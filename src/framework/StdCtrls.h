#pragma once
// Standard controls realised by the UI back end.
#include "framework/Controls.h"

// A single-line edit field. Its text is the control's caption.
class TEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& Value) { SetCaption(Value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

private:
    bool FReadOnly{false};
};

class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
};

class TButton : public TWinControl {
public:
    using TWinControl::TWinControl;
};
