#pragma once
// A windowless control that fills its rectangle with a stepped gradient between two colours. It renders
// into an off-screen surface of its own size and copies that on every paint; it renders again only
// after its size or a setting changed.
#include <cstdint>
#include <memory>

#include "controls/JvExControls.h"
#include "platform/Surface.h"

enum TJvGradientStyle : uint8_t { grFilled, grEllipse, grHorizontal, grVertical, grPyramid, grMount };

// What a new gradient holds; the published table (JvGradient.cpp) declares these as the values a
// stored description leaves out.
struct TJvGradientDefaults {
    static constexpr TJvGradientStyle Style = grHorizontal;
    static constexpr TColor StartColor = clBlue;
    static constexpr TColor EndColor = clBlack;
    static constexpr uint16_t Steps = 100;
    static constexpr TAlign Align = alClient;
    static constexpr bool Enabled = true;
    static constexpr bool Visible = true;
    static constexpr bool ShowHint = false;
    static constexpr bool ParentShowHint = true;
};

class TJvGradient : public TJvGraphicControl {
public:
    explicit TJvGradient(TComponent* AOwner);
    const TPublishedClass* Published() const override;

    TJvGradientStyle Style() const { return FStyle; }
    void SetStyle(TJvGradientStyle Value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor Value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor Value);
    uint16_t Steps() const { return FSteps; }
    void SetSteps(uint16_t Value);

    // The rendered gradient (for painting and inspection).
    TSurface& Buffer() { return *FBuffer; }

protected:
    void Paint() override;

private:
    void SettingChanged();
    void Render(uint32_t StartRgb, uint32_t EndRgb);
    void RenderBands(TCanvas& C, uint32_t StartRgb, uint32_t EndRgb, bool Vertical);
    void RenderRings(TCanvas& C, uint32_t StartRgb, uint32_t EndRgb);
    void CopyTo(TCanvas& Target) const;

    using D = TJvGradientDefaults;
    TJvGradientStyle FStyle{D::Style};
    TColor FStartColor{D::StartColor};
    TColor FEndColor{D::EndColor};
    uint16_t FSteps{D::Steps};
    std::unique_ptr<TSurface> FBuffer;
    int FLastWidth{0};
    int FLastHeight{0};
};
