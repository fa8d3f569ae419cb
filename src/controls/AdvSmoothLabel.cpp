#include "controls/AdvSmoothLabel.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/Forms.h"
#include "framework/StandardClasses.h"
#include "framework/TypInfo.h"
#include "platform/SysColors.h"

// ==== TAdvSmoothLabelCaption ======================================================================

// The scalar settings start at their member initialisers (TAdvSmoothLabelCaptionDefaults).
TAdvSmoothLabelCaption::TAdvSmoothLabelCaption(TAdvSmoothLabel* AOwner) : FOwner(AOwner) {
    FFont = std::make_unique<TFont>();
    FFont->SetName(D::FontName);
    FFont->OnChange = [this](TObject*) { Changed(); };
    FFont->SetSize(D::FontSize); // notifies the label, which may still be inside its own constructor
    FPicture = std::make_unique<TAdvGDIPPicture>();
    FPicture->OnChange = [this](TObject*) { Changed(); };
}

TAdvSmoothLabelCaption::~TAdvSmoothLabelCaption() {
    FPicture.reset();
    FFont.reset();
}

void TAdvSmoothLabelCaption::Changed() {
    if (FOwner) FOwner->CaptionChanged(this);
}

template <typename T>
void TAdvSmoothLabelCaption::Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TAdvSmoothLabelCaption::SetText(const std::string& Value) { Store(FText, Value); }
void TAdvSmoothLabelCaption::SetLocation(TAdvSmoothLabelLocation Value) { Store(FLocation, Value); }
void TAdvSmoothLabelCaption::SetLeft(int32_t Value) { Store(FLeft, Value); }
void TAdvSmoothLabelCaption::SetTop(int32_t Value) { Store(FTop, Value); }
void TAdvSmoothLabelCaption::SetColorStart(TColor Value) { Store(FColorStart, Value); }
void TAdvSmoothLabelCaption::SetColorEnd(TColor Value) { Store(FColorEnd, Value); }
void TAdvSmoothLabelCaption::SetOpacityStart(uint8_t Value) { Store(FOpacityStart, Value); }
void TAdvSmoothLabelCaption::SetOpacityEnd(uint8_t Value) { Store(FOpacityEnd, Value); }
void TAdvSmoothLabelCaption::SetGradientType(TAdvGradientType Value) { Store(FGradientType, Value); }
void TAdvSmoothLabelCaption::SetHatchStyle(::HatchStyle Value) { Store(FHatchStyle, Value); }

void TAdvSmoothLabelCaption::SetFont(const TFont* Value) {
    if (Value == FFont.get()) return;
    FFont->Assign(Value);
    Changed();
}

void TAdvSmoothLabelCaption::SetPicture(const TAdvGDIPPicture* Value) {
    if (Value == FPicture.get()) return;
    FPicture->Assign(Value);
    Changed();
}

void TAdvSmoothLabelCaption::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TAdvSmoothLabelCaption*>(Source);
    if (!s) return;
    FLocation = s->FLocation;
    FLeft = s->FLeft;
    FTop = s->FTop;
    FColorStart = s->FColorStart;
    FColorEnd = s->FColorEnd;
    FGradientType = s->FGradientType;
    FHatchStyle = s->FHatchStyle;
    FOpacityStart = s->FOpacityStart;
    FOpacityEnd = s->FOpacityEnd;
    FPicture->Assign(s->FPicture.get());
    FText = s->FText;
    Changed();
}

namespace {
const TEnumInfo LocationInfo{"TAdvSmoothLabelLocation",
                             {"plTopLeft", "plTopCenter", "plTopRight", "plCenterLeft", "plCenterCenter",
                              "plCenterRight", "plBottomLeft", "plBottomCenter", "plBottomRight", "plCustom"}};
const TEnumInfo TextRenderingInfo{"TTextRenderingHint", {"tAntiAlias", "tClearType"}};

using C = TAdvSmoothLabelCaption;
using L = TAdvSmoothLabel;
using CD = TAdvSmoothLabelCaptionDefaults;
using LD = TAdvSmoothLabelDefaults;
namespace pub = published;
constexpr auto none = std::nullopt;

const TPublishedClass& CaptionClass() {
    static const TPublishedClass cls(
        "TAdvSmoothLabelCaption", nullptr,
        {pub::String("Text", &C::Text, &C::SetText, CD::Text),
         pub::Enumeration("Location", LocationInfo, &C::Location, &C::SetLocation, CD::Location),
         pub::Object("Font", &C::Font),
         pub::Integer("Left", &C::Left, &C::SetLeft, CD::Left),
         pub::Integer("Top", &C::Top, &C::SetTop, CD::Top),
         pub::Object("Picture", &C::Picture),
         pub::Color("ColorStart", &C::ColorStart, &C::SetColorStart, CD::ColorStart),
         pub::Color("ColorEnd", &C::ColorEnd, &C::SetColorEnd, CD::ColorEnd),
         pub::Integer("OpacityStart", &C::OpacityStart, &C::SetOpacityStart, CD::OpacityStart),
         pub::Integer("OpacityEnd", &C::OpacityEnd, &C::SetOpacityEnd, CD::OpacityEnd),
         pub::Enumeration("GradientType", AdvGradientTypeInfo(), &C::GradientType, &C::SetGradientType,
                          CD::GradientType),
         pub::Enumeration("HatchStyle", HatchStyleInfo(), &C::HatchStyle, &C::SetHatchStyle, CD::HatchStyle),
         pub::Event("OnChange", &C::OnChange)});
    return cls;
}

// The control's place and size come first, as every control stores them; then the label's own
// properties, with the framework's Align and Visible where the label publishes them.
const TPublishedClass& LabelClass() {
    static const TPublishedClass cls(
        "TAdvSmoothLabel", nullptr,
        {pub::Integer("Left", &L::Left, &L::SetLeft, none),
         pub::Integer("Top", &L::Top, &L::SetTop, none),
         pub::Integer("Width", &L::Width, &L::SetWidth, none),
         pub::Integer("Height", &L::Height, &L::SetHeight, none),
         pub::Object("Fill", &L::Fill),
         pub::Object("Caption", &L::Caption),
         pub::Object("CaptionShadow", &L::CaptionShadow),
         pub::Boolean("CaptionShadowVisible", &L::CaptionShadowVisible, &L::SetCaptionShadowVisible,
                      LD::CaptionShadowVisible),
         pub::Integer("CaptionShadowOffsetLeft", &L::CaptionShadowOffsetLeft, &L::SetCaptionShadowOffsetLeft,
                      LD::CaptionShadowOffsetLeft),
         pub::Integer("CaptionShadowOffsetTop", &L::CaptionShadowOffsetTop, &L::SetCaptionShadowOffsetTop,
                      LD::CaptionShadowOffsetTop),
         pub::String("Version", &L::Version, &L::SetVersion, none),
         pub::Boolean("Transparent", &L::Transparent, &L::SetTransparent, LD::Transparent),
         pub::Boolean("WordWrap", &L::WordWrap, &L::SetWordWrap, LD::WordWrap),
         pub::Enumeration("TextRendering", TextRenderingInfo, &L::TextRendering, &L::SetTextRendering,
                          LD::TextRendering),
         pub::Enumeration("Align", AlignInfo(), &L::Align, &L::SetAlign, LD::Align),
         pub::Set("Anchors", AnchorKindInfo(), &L::Anchors, &L::SetAnchors, LD::Anchors),
         ConstraintsProp(),
         pub::Integer("DragCursor", &L::DragCursor, &L::SetDragCursor, LD::DragCursor),
         pub::Enumeration("DragKind", DragKindInfo(), &L::DragKind, &L::SetDragKind, LD::DragKind),
         pub::Enumeration("DragMode", DragModeInfo(), &L::DragMode, &L::SetDragMode, LD::DragMode),
         pub::Boolean("Visible", &L::Visible, &L::SetVisible, LD::Visible),
         pub::Boolean("ShowHint", &L::ShowHint, &L::SetShowHint, LD::ShowHint),
         PopupMenuProp(),
         pub::Event("OnMouseMove", &L::OnMouseMove),
         pub::Event("OnMouseUp", &L::OnMouseUp),
         pub::Event("OnMouseDown", &L::OnMouseDown),
         pub::Event("OnResize", &L::OnResize),
         pub::Event("OnClick", &L::OnClick),
         pub::Event("OnContextPopup", &L::OnContextPopup),
         pub::Event("OnDblClick", &L::OnDblClick),
         pub::Event("OnDragDrop", &L::OnDragDrop),
         pub::Event("OnDragOver", &L::OnDragOver),
         pub::Event("OnEndDock", &L::OnEndDock),
         pub::Event("OnEndDrag", &L::OnEndDrag),
         pub::Event("OnStartDock", &L::OnStartDock),
         pub::Event("OnStartDrag", &L::OnStartDrag),
         pub::Event("OnChange", &L::OnChange)});
    return cls;
}
} // namespace

const TPublishedClass* TAdvSmoothLabelCaption::Published() const { return &CaptionClass(); }

// ==== TAdvSmoothLabel =============================================================================

// The label's own settings start at their member initialisers (TAdvSmoothLabelDefaults); the
// framework's are set from the same record.
TAdvSmoothLabel::TAdvSmoothLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetAlign(D::Align);
    SetVisible(D::Visible);
    SetBounds(Left(), Top(), D::Width, D::Height);
    FCaption = std::make_unique<TAdvSmoothLabelCaption>(this);
    FCaption->OnChange = [this](TObject* Sender) { CaptionChanged(Sender); };
    FCaptionShadow = std::make_unique<TAdvSmoothLabelCaption>(this);
    FCaptionShadow->OnChange = [this](TObject* Sender) { CaptionChanged(Sender); };
    FFill = std::make_unique<TGDIPFill>();
    FFill->OnChange = [this](TObject* Sender) { FillChanged(Sender); };
}

TAdvSmoothLabel::~TAdvSmoothLabel() {
    FFill.reset();
    FCaption.reset();
    FCaptionShadow.reset();
}

const TPublishedClass* TAdvSmoothLabel::Published() const { return &LabelClass(); }

// Runs while the label is being constructed too (a caption's font notifies): it touches neither the
// captions nor the fill, and Invalidate copes with a label that has no parent yet.
void TAdvSmoothLabel::Changed() {
    Invalidate();
    if (OnChange) OnChange(this);
}

void TAdvSmoothLabel::CaptionChanged(TObject*) { Changed(); }
void TAdvSmoothLabel::FillChanged(TObject*) { Changed(); }

template <typename T>
void TAdvSmoothLabel::Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TAdvSmoothLabel::SetCaptionShadowVisible(bool Value) { Store(FCaptionShadowVisible, Value); }
void TAdvSmoothLabel::SetCaptionShadowOffsetLeft(int32_t Value) { Store(FCaptionShadowOffsetLeft, Value); }
void TAdvSmoothLabel::SetCaptionShadowOffsetTop(int32_t Value) { Store(FCaptionShadowOffsetTop, Value); }
void TAdvSmoothLabel::SetTransparent(bool Value) { Store(FTransparent, Value); }
void TAdvSmoothLabel::SetWordWrap(bool Value) { Store(FWordWrap, Value); }
void TAdvSmoothLabel::SetTextRendering(TTextRenderingHint Value) { Store(FTextRendering, Value); }

void TAdvSmoothLabel::SetFill(const TGDIPFill* Value) {
    if (Value == FFill.get()) return;
    FFill->Assign(Value);
    Changed();
}

void TAdvSmoothLabel::SetCaption(const TAdvSmoothLabelCaption* Value) {
    if (Value == FCaption.get()) return;
    FCaption->Assign(Value);
    Changed();
}

void TAdvSmoothLabel::SetCaptionShadow(const TAdvSmoothLabelCaption* Value) {
    if (Value == FCaptionShadow.get()) return;
    FCaptionShadow->Assign(Value);
    Changed();
}

std::string TAdvSmoothLabel::Version() const {
    const uint32_t v = VersionNumber();
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

void TAdvSmoothLabel::Assign(const TPersistent* Source) {
    const auto* s = dynamic_cast<const TAdvSmoothLabel*>(Source);
    if (!s) return;
    FFill->Assign(s->FFill.get());
    FCaption->Assign(s->FCaption.get());
    FCaptionShadow->Assign(s->FCaptionShadow.get());
    FTransparent = s->FTransparent;
    FWordWrap = s->FWordWrap;
    FTextRendering = s->FTextRendering;
    FCaptionShadowVisible = s->FCaptionShadowVisible;
    FCaptionShadowOffsetTop = s->FCaptionShadowOffsetTop;
    FCaptionShadowOffsetLeft = s->FCaptionShadowOffsetLeft;
    Changed();
}

// ---- Painting ------------------------------------------------------------------------------------

void TAdvSmoothLabel::Paint() { DrawLabel(Canvas()); }

void TAdvSmoothLabel::DrawLabel(TCanvas& ACanvas) {
    if (Width() <= 1 || Height() <= 1) return;
    if (HighContrast()) {
        DrawHighContrast(ACanvas);
        return;
    }
    TGPGraphics graphics(ACanvas.Handle());
    RectF r = MakeRectF(0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1));
    if (!FTransparent) r = FFill->Fill(&graphics, r, 255, 255, 255, 255, 255);
    if (!FCaptionShadow->Text().empty() && FCaptionShadowVisible)
        DrawCaption(*FCaptionShadow, graphics, FCaptionShadowOffsetLeft, FCaptionShadowOffsetTop, r);
    if (!FCaption->Text().empty()) DrawCaption(*FCaption, graphics, 0, 0, r);
}

// High contrast: the caption's text alone, in the system's text colour on its window colour, so it
// reads whatever lies below the label.
void TAdvSmoothLabel::DrawHighContrast(TCanvas& ACanvas) {
    ACanvas.Brush.Style = bsSolid;
    ACanvas.Brush.Color = clWindow;
    ACanvas.FillRect(Rect(0, 0, Width(), Height()));
    if (FCaption->Text().empty()) return;
    TAdvSmoothLabelCaption plain(this);
    plain.Assign(FCaption.get());
    plain.SetGradientType(gtSolid);
    plain.SetColorStart(clWindowText);
    plain.SetOpacityStart(255);
    TGPGraphics graphics(ACanvas.Handle());
    DrawCaption(plain, graphics, 0, 0, MakeRectF(0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)));
}

namespace {
constexpr int32_t kUnitPixel = 2;

int32_t StyleBits(const TFont& Font) { // strike-out is not carried over
    return (Font.HasStyle(fsBold) ? 1 : 0) + (Font.HasStyle(fsItalic) ? 2 : 0) + (Font.HasStyle(fsUnderline) ? 4 : 0);
}

// The horizontal alignment of a location's column: near, centre or far; -1 for plCustom.
int32_t ColumnAlignment(TAdvSmoothLabelLocation Location) {
    if (Location == plCustom) return -1;
    return static_cast<int32_t>(Location) % 3;
}

// The text box's place for a location, from the label's top-left corner (W, H: text rectangle;
// w, h: measured text; Custom: the main caption's Left and Top).
std::pair<double, double> BasePosition(TAdvSmoothLabelLocation Location, double W, double H, double w, double h,
                                       std::pair<double, double> Custom) {
    if (Location == plCustom) return Custom;
    const int column = Location % 3, row = Location / 3;
    return {column == 0 ? 0 : column == 1 ? (W - w) / 2.0 : W - w, row == 0 ? 0 : row == 1 ? (H - h) / 2.0 : H - h};
}
// Sans-serif families drawn with Arial's metrics, so a caption keeps its size where Arial is missing.
constexpr const char16_t* kArialTwins[] = {u"Liberation Sans", u"Arimo", u"Nimbus Sans", u"Albany AMT"};

// The installed family a caption falls back to last: one of Arial's twins, else a sans-serif one,
// else the first there is.
std::unique_ptr<TGPFontFamily> InstalledFamily() {
    const std::vector<std::u16string> names = TGPFontFamily::InstalledFamilyNames();
    const auto rank = [](const std::u16string& name) {
        for (const char16_t* twin : kArialTwins)
            if (name == twin) return 0;
        const auto has = [&](const char16_t* part) { return name.find(part) != std::u16string::npos; };
        return has(u"Sans") && !has(u"Mono") && !has(u"Math") ? 1 : 2;
    };
    const auto best = std::min_element(names.begin(), names.end(),
                                       [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return std::make_unique<TGPFontFamily>(best == names.end() ? std::u16string() : *best);
}

bool NotFound(const TGPFontFamily& Family) {
    return Family.LastStatus == FontFamilyNotFound || Family.LastStatus == FontStyleNotFound;
}

// The caption font's family; where it is missing, Arial; where that is missing too (a Wine prefix
// as wineboot makes it), GDI+'s generic sans-serif family, and then a family that is installed, so
// a caption never silently disappears. A family that was not found is freed before the next is made.
std::unique_ptr<TGPFontFamily> CaptionFamily(const TFont& Font) {
    auto family = std::make_unique<TGPFontFamily>(SystemAnsiToUtf16(Font.Name()));
    if (!NotFound(*family)) return family;
    family.reset();
    family = std::make_unique<TGPFontFamily>(u"Arial");
    if (!NotFound(*family)) return family;
    family.reset();
    family = TGPFontFamily::GenericSansSerif();
    if (!NotFound(*family)) return family;
    family.reset();
    return InstalledFamily();
}
} // namespace

void TAdvSmoothLabel::DrawCaption(TAdvSmoothLabelCaption& ACaption, TGPGraphics& Graphics, int32_t OffsetX,
                                  int32_t OffsetY, const RectF& TextRect) {
    const TFont& font = *ACaption.Font();
    std::unique_ptr<TGPFontFamily> family = CaptionFamily(font);
    auto format = std::make_unique<TGPStringFormat>(FWordWrap ? 0 : 0x1000, 0);
    if (FWordWrap && ColumnAlignment(ACaption.Location()) >= 0)
        format->SetStringFormatAlign(ColumnAlignment(ACaption.Location()));
    // The font's whole points at the form's resolution, in pixels: what GDI+ makes of points on a
    // device of that resolution. Given in points, libgdiplus would size them by the X display's
    // resolution and Windows by the device context's (the system's, not the monitor's).
    const float em = static_cast<float>(font.Size() * PixelsPerInchOf(*this) / 72.0);
    auto gpFont = std::make_unique<TGPFont>(family.get(), em, StyleBits(font), kUnitPixel);

    const std::u16string text = SystemAnsiToUtf16(ACaption.Text());
    RectF bounds;
    Graphics.MeasureString(text.c_str(), static_cast<int32_t>(text.size()), gpFont.get(), TextRect, format.get(),
                           bounds);
    const double w = bounds.Width, h = bounds.Height;
    const auto [posX, posY] = BasePosition(ACaption.Location(), TextRect.Width, TextRect.Height, w, h,
                                           {FCaption->Left(), FCaption->Top()});
    const auto x = static_cast<float>(OffsetX + posX);
    const auto y = static_cast<float>(OffsetY + posY);
    const RectF box = MakeRectF(x, y, static_cast<float>(w), static_cast<float>(h));

    const ARGB c1 = ColorToARGB(ACaption.OpacityStart(), ACaption.ColorStart());
    const ARGB c2 = ACaption.ColorEnd() == clNone ? c1 : ColorToARGB(ACaption.OpacityEnd(), ACaption.ColorEnd());
    Graphics.SetTextRenderingHint(FTextRendering == tClearType ? 5 : 3);

    std::unique_ptr<TGPBrush> brush;
    switch (ACaption.GradientType()) {
    case gtSolid: brush = std::make_unique<TGPSolidBrush>(c1); break;
    case gtVertical: brush = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x, y + box.Height), c1, c2); break;
    case gtHorizontal: brush = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x + box.Width, y), c1, c2); break;
    case gtForwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x + box.Width, y + box.Height), c1, c2);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y + box.Height), MakePointF(x + box.Width, y), c2, c1);
        break;
    case gtHatch: brush = std::make_unique<TGPHatchBrush>(ACaption.HatchStyle(), c1, c2); break;
    case gtTexture:
        if (!ACaption.Picture()->Empty()) {
            auto bytes = std::make_unique<TMemoryStream>();
            ACaption.Picture()->SaveToStream(*bytes);
            bytes->SetPosition(0); // libgdiplus reads from the position it is given
            const auto release = [](TFixedStreamAdapter* a) { a->Release(); };
            std::unique_ptr<TFixedStreamAdapter, decltype(release)> adapter(new TFixedStreamAdapter(bytes.get()),
                                                                            release);
            auto image = std::make_unique<TGPImage>(adapter.get(), false);
            brush = std::make_unique<TGPTextureBrush>(image.get(), 0);
            Graphics.DrawString(ACaption.Text(), gpFont.get(), box, format.get(), brush.get());
            image.reset(); // the image, then the stream under it
            adapter.reset();
            bytes.reset();
        }
        break;
    default: // gtRadial, gtAngle, gtPath, gtNone make no brush: GDI+ refuses the draw
        break;
    }
    if (ACaption.GradientType() != gtTexture) Graphics.DrawString(ACaption.Text(), gpFont.get(), box, format.get(), brush.get());
    brush.reset();
    family.reset();
    gpFont.reset();
    format.reset();
}
