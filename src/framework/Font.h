#pragma once
// The framework font: a family name, a height in pixels (negative: the character height without
// internal leading) with the point size derived from it at 96 dots per inch, a style set and a
// colour. Every effective change raises OnChange.
#include <cstdint>
#include <string>

#include "framework/Classes.h"
#include "framework/Graphics.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
// A set of TFontStyle: bit n stands for style n.
using TFontStyles = uint8_t;
constexpr TFontStyles FontStyle(TFontStyle Style) { return static_cast<TFontStyles>(1u << Style); }

class TFont : public TPersistent {
public:
    static constexpr int PixelsPerInch = 96;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    // Points: -MulDiv(Height, 72, 96), so height -27 is 20 points and -11 is 8 points.
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    bool HasStyle(TFontStyle S) const { return (FStyle & FontStyle(S)) != 0; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    void Assign(const TPersistent* Source) override;
    const TPublishedClass* Published() const override;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    std::string FName{"MS Sans Serif"};
    int FHeight{-11};
    TFontStyles FStyle{0};
    TColor FColor{clWindowText};
};

// Windows' MulDiv: A * B / C rounded to the nearest integer, halves away from zero.
int MulDiv(int A, int B, int C);
