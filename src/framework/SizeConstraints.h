#pragma once
// The smallest and largest size a control may take; 0 means no limit. A description stores them
// (each only when it is not 0); the framework does not enforce them yet.
#include "framework/Classes.h"

class TSizeConstraints : public TPersistent {
public:
    const TPublishedClass* Published() const override;
    void Assign(const TPersistent* Source) override;

    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value) { FMaxHeight = Value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { FMaxWidth = Value; }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value) { FMinHeight = Value; }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { FMinWidth = Value; }

private:
    int FMaxHeight{0};
    int FMaxWidth{0};
    int FMinHeight{0};
    int FMinWidth{0};
};
