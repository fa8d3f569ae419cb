#pragma once
// Unit AdvSmoothLabel: a windowless control that paints a text with GDI+ (gradient, hatch or texture
// glyphs, anti-aliased or ClearType), optionally after a shadow text and over a GDI+ fill.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/GDIPFill.h"
#include "framework/Controls.h"
#include "framework/Font.h"

class TAdvSmoothLabel;

enum TAdvSmoothLabelLocation : uint8_t {
    plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight, plBottomLeft, plBottomCenter,
    plBottomRight, plCustom
};

enum TTextRenderingHint : uint8_t { tAntiAlias, tClearType };

// What a new caption holds. The published table (AdvSmoothLabel.cpp) declares these as the values a
// stored description leaves out; the font's name and size are the font's own (always written).
struct TAdvSmoothLabelCaptionDefaults {
    static constexpr const char* Text = "";
    static constexpr TAdvSmoothLabelLocation Location = plCenterCenter;
    static constexpr const char* FontName = "Tahoma";
    static constexpr int FontSize = 20; // points
    static constexpr int32_t Left = 0;
    static constexpr int32_t Top = 0;
    static constexpr TColor ColorStart = 0xFFE09F;
    static constexpr TColor ColorEnd = 0x754F00;
    static constexpr uint8_t OpacityStart = 255;
    static constexpr uint8_t OpacityEnd = 255;
    static constexpr TAdvGradientType GradientType = gtVertical;
    static constexpr ::HatchStyle HatchStyle = HatchStyleHorizontal;
};

// What a new label holds; the published table declares all but its size and the always-written
// Version as the values a stored description leaves out.
struct TAdvSmoothLabelDefaults {
    static constexpr int Width = 280;
    static constexpr int Height = 50;
    static constexpr bool CaptionShadowVisible = false;
    static constexpr int32_t CaptionShadowOffsetLeft = 1;
    static constexpr int32_t CaptionShadowOffsetTop = 1;
    static constexpr bool Transparent = true;
    static constexpr bool WordWrap = false;
    static constexpr TTextRenderingHint TextRendering = tAntiAlias;
    static constexpr TAlign Align = alNone;
    static constexpr TAnchors Anchors = AnchorSet({akLeft, akTop});
    static constexpr TCursor DragCursor = crDrag;
    static constexpr TDragKind DragKind = dkDrag;
    static constexpr TDragMode DragMode = dmManual;
    static constexpr bool Visible = true;
    static constexpr bool ShowHint = false;
};

// One text of the label. Every change notifies the owning label directly.
class TAdvSmoothLabelCaption : public TPersistent {
public:
    explicit TAdvSmoothLabelCaption(TAdvSmoothLabel* AOwner);
    ~TAdvSmoothLabelCaption() override;
    TAdvSmoothLabelCaption(const TAdvSmoothLabelCaption&) = delete;
    TAdvSmoothLabelCaption& operator=(const TAdvSmoothLabelCaption&) = delete;

    // Copies everything but the font from another caption, then notifies; anything else is ignored.
    void Assign(const TPersistent* Source) override;
    const TPublishedClass* Published() const override;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    TAdvSmoothLabelLocation Location() const { return FLocation; }
    void SetLocation(TAdvSmoothLabelLocation Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value);
    int32_t Left() const { return FLeft; }
    void SetLeft(int32_t Value);
    int32_t Top() const { return FTop; }
    void SetTop(int32_t Value);
    TAdvGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TAdvGDIPPicture* Value);
    TColor ColorStart() const { return FColorStart; }
    void SetColorStart(TColor Value);
    TColor ColorEnd() const { return FColorEnd; }
    void SetColorEnd(TColor Value);
    uint8_t OpacityStart() const { return FOpacityStart; }
    void SetOpacityStart(uint8_t Value);
    uint8_t OpacityEnd() const { return FOpacityEnd; }
    void SetOpacityEnd(uint8_t Value);
    TAdvGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TAdvGradientType Value);
    ::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(::HatchStyle Value);

    TNotifyEvent OnChange; // set by the owning label; notification goes through the owner regardless

protected:
    void Changed();

private:
    template <typename T>
    void Store(T& Field, T Value);

    using D = TAdvSmoothLabelCaptionDefaults;
    TAdvSmoothLabel* FOwner{nullptr};
    TAdvGradientType FGradientType{D::GradientType};
    TAdvSmoothLabelLocation FLocation{D::Location};
    std::unique_ptr<TAdvGDIPPicture> FPicture;
    TColor FColorEnd{D::ColorEnd};
    ::HatchStyle FHatchStyle{D::HatchStyle};
    std::unique_ptr<TFont> FFont;
    uint8_t FOpacityStart{D::OpacityStart};
    std::string FText{D::Text};
    int32_t FTop{D::Top};
    int32_t FLeft{D::Left};
    uint8_t FOpacityEnd{D::OpacityEnd};
    TColor FColorStart{D::ColorStart};
};

class TAdvSmoothLabel : public TGraphicControl {
public:
    explicit TAdvSmoothLabel(TComponent* AOwner);
    ~TAdvSmoothLabel() override;

    void Assign(const TPersistent* Source) override;
    const TPublishedClass* Published() const override;

    // Paints the whole label on ACanvas (origin at the label's top-left corner).
    void DrawLabel(TCanvas& ACanvas);
    // Repaint later, then OnChange.
    void Changed();
    // The caption-change handler: every caption notifies the label through it.
    void CaptionChanged(TObject* Sender);

    TGDIPFill* Fill() const { return FFill.get(); }
    void SetFill(const TGDIPFill* Value);
    TAdvSmoothLabelCaption* Caption() const { return FCaption.get(); }
    void SetCaption(const TAdvSmoothLabelCaption* Value);
    TAdvSmoothLabelCaption* CaptionShadow() const { return FCaptionShadow.get(); }
    void SetCaptionShadow(const TAdvSmoothLabelCaption* Value);
    bool CaptionShadowVisible() const { return FCaptionShadowVisible; }
    void SetCaptionShadowVisible(bool Value);
    int32_t CaptionShadowOffsetLeft() const { return FCaptionShadowOffsetLeft; }
    void SetCaptionShadowOffsetLeft(int32_t Value);
    int32_t CaptionShadowOffsetTop() const { return FCaptionShadowOffsetTop; }
    void SetCaptionShadowOffsetTop(int32_t Value);
    std::string Version() const;
    void SetVersion(const std::string&) {} // the version is fixed
    static constexpr uint32_t VersionNumber() { return (1u << 24) + (5u << 16) + (0u << 8) + 1u; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TTextRenderingHint TextRendering() const { return FTextRendering; }
    void SetTextRendering(TTextRenderingHint Value);

    TNotifyEvent OnChange;

protected:
    void Paint() override;

private:
    // The label's caption is an object; the control's plain text setter stays out of reach.
    using TControl::SetCaption;
    void FillChanged(TObject* Sender);
    template <typename T>
    void Store(T& Field, T Value);
    void DrawCaption(TAdvSmoothLabelCaption& ACaption, TGPGraphics& Graphics, int32_t OffsetX, int32_t OffsetY,
                     const RectF& TextRect);
    void DrawHighContrast(TCanvas& ACanvas);

    using D = TAdvSmoothLabelDefaults;
    std::unique_ptr<TAdvSmoothLabelCaption> FCaption;
    bool FTransparent{D::Transparent};
    std::unique_ptr<TGDIPFill> FFill;
    bool FWordWrap{D::WordWrap};
    TTextRenderingHint FTextRendering{D::TextRendering};
    std::unique_ptr<TAdvSmoothLabelCaption> FCaptionShadow;
    bool FCaptionShadowVisible{D::CaptionShadowVisible};
    int32_t FCaptionShadowOffsetTop{D::CaptionShadowOffsetTop};
    int32_t FCaptionShadowOffsetLeft{D::CaptionShadowOffsetLeft};
};
