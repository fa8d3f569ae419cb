#include "framework/Font.h"

#include <cstdlib>

#include "framework/TypInfo.h"

int MulDiv(int A, int B, int C) {
    if (C == 0) return -1;
    const int64_t product = static_cast<int64_t>(A) * B;
    const int64_t half = std::llabs(C) / 2;
    const bool negative = (product < 0) != (C < 0);
    const int64_t magnitude = (std::llabs(product) + half) / std::llabs(C);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void TFont::SetName(const std::string& Value) {
    if (Value == FName) return;
    FName = Value;
    Changed();
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight) return;
    FHeight = Value;
    Changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, PixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();
}

void TFont::Assign(const TPersistent* Source) {
    const auto* font = dynamic_cast<const TFont*>(Source);
    if (!font) {
        TPersistent::Assign(Source);
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FStyle = font->FStyle;
    FColor = font->FColor;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

namespace {
const TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

// No declared defaults: a stored font always lists all four. Size follows Height and is not stored.
const TPublishedClass FontClass("TFont", nullptr,
                                {published::Color("Color", &TFont::Color, &TFont::SetColor, std::nullopt),
                                 published::Integer("Height", &TFont::Height, &TFont::SetHeight, std::nullopt),
                                 published::String("Name", &TFont::Name, &TFont::SetName, std::nullopt),
                                 published::Set("Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle,
                                                std::nullopt)});
} // namespace

const TPublishedClass* TFont::Published() const { return &FontClass; }
