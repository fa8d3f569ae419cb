// The published interfaces of the framework's standard components: what a window description stores
// of each. The form unit whose description names them registers them for creation by class name.
#include "framework/StandardClasses.h"

#include "framework/Buttons.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/XPMan.h"

namespace pub = published;

namespace {
using C = TControl;
using W = TWinControl;
const std::optional<int64_t> always;

TPropInfo ObjectProp(std::string Name, std::function<TPersistent*(const TPersistent&)> Get) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = TPropKind::Object;
    p.GetObject = std::move(Get);
    return p;
}

TPropInfo AlignProp(TAlign Default) { return pub::Enumeration("Align", AlignInfo(), &C::Align, &C::SetAlign, Default); }
TPropInfo CaptionProp() { return pub::String("Caption", &C::Caption, &C::SetCaption, std::nullopt); }
TPropInfo ColorProp() { return pub::Color("Color", &C::Color, &C::SetColor, clBtnFace); }
TPropInfo EnabledProp() { return pub::Boolean("Enabled", &C::Enabled, &C::SetEnabled, true); }
TPropInfo ParentFontProp() { return pub::Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true); }
TPropInfo TabOrderProp() { return pub::Integer("TabOrder", &W::TabOrder, &W::SetTabOrder, -1); }
TPropInfo TabStopProp() { return pub::Boolean("TabStop", &W::TabStop, &W::SetTabStop, false); }
TPropInfo VisibleProp() { return pub::Boolean("Visible", &C::Visible, &C::SetVisible, true); }
TPropInfo ClickProp() { return pub::Event("OnClick", &C::OnClick); }

const TEnumInfo BevelInfo{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const TEnumInfo BorderStyleInfo{"TFormBorderStyle",
                                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo BorderIconInfo{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const TEnumInfo PositionInfo{"TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                           "poScreenCenter", "poDesktopCenter"}};

const TPublishedClass& PanelClass() {
    using P = TPanel;
    static const TPublishedClass cls(
        "TPanel", &ControlClass(),
        {AlignProp(alNone), pub::Enumeration("BevelInner", BevelInfo, &P::BevelInner, &P::SetBevelInner, bvNone),
         pub::Enumeration("BevelOuter", BevelInfo, &P::BevelOuter, &P::SetBevelOuter, bvRaised),
         pub::Integer("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, 1),
         pub::Integer("BorderWidth", &P::BorderWidth, &P::SetBorderWidth, 0), CaptionProp(), ColorProp(),
         EnabledProp(), ControlFontProp(), ParentFontProp(), TabOrderProp(), TabStopProp(), VisibleProp()});
    return cls;
}

const TPublishedClass& GroupBoxClass() {
    static const TPublishedClass cls("TGroupBox", &ControlClass(),
                                     {AlignProp(alNone), CaptionProp(), ColorProp(), EnabledProp(), ControlFontProp(),
                                      ParentFontProp(), TabOrderProp(), TabStopProp(), VisibleProp()});
    return cls;
}

const TPublishedClass& EditClass() {
    using E = TEdit;
    static const TPublishedClass cls(
        "TEdit", &ControlClass(),
        {EnabledProp(), ControlFontProp(), ParentFontProp(), pub::Boolean("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false),
         TabOrderProp(), TabStopProp(), pub::String("Text", &E::Text, &E::SetText, std::nullopt), VisibleProp()});
    return cls;
}

const TPublishedClass& BitBtnClass() {
    using B = TBitBtn;
    static const TPublishedClass cls(
        "TBitBtn", &ControlClass(),
        {CaptionProp(), EnabledProp(), ControlFontProp(), ParentFontProp(), TabOrderProp(), TabStopProp(),
         VisibleProp(), ClickProp(),
         ObjectProp("Glyph", [](const TPersistent& o) -> TPersistent* { return &const_cast<B&>(static_cast<const B&>(o)).Glyph(); }),
         pub::Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1)});
    return cls;
}

const TPublishedClass& ImageClass() {
    using I = TImage;
    static const TPublishedClass cls(
        "TImage", &ControlClass(),
        {AlignProp(alNone), pub::Boolean("AutoSize", &I::AutoSize, &I::SetAutoSize, false),
         pub::Boolean("Center", &I::Center, &I::SetCenter, false),
         ObjectProp("Picture", [](const TPersistent& o) -> TPersistent* { return &const_cast<I&>(static_cast<const I&>(o)).Picture(); }),
         pub::Boolean("Stretch", &I::Stretch, &I::SetStretch, false), VisibleProp()});
    return cls;
}

const TPublishedClass& OpenDialogClass() {
    using D = TOpenDialog;
    static const TPublishedClass cls(
        "TOpenDialog", nullptr,
        {pub::String("FileName", &D::FileName, &D::SetFileName, ""), pub::String("Filter", &D::Filter, &D::SetFilter, ""),
         pub::String("InitialDir", &D::InitialDir, &D::SetInitialDir, ""),
         pub::Boolean("RestoreCurrentFolder", &D::RestoreCurrentFolder, &D::SetRestoreCurrentFolder, false),
         pub::String("Title", &D::Title, &D::SetTitle, "")});
    return cls;
}

const TPublishedClass& TimerClass() {
    using T = TTimer;
    static const TPublishedClass cls("TTimer", nullptr,
                                     {pub::Boolean("Enabled", &T::Enabled, &T::SetEnabled, true),
                                      pub::Integer("Interval", &T::Interval, &T::SetInterval, 1000),
                                      pub::Event("OnTimer", &T::OnTimer)});
    return cls;
}

const TPublishedClass& XPManifestClass() {
    static const TPublishedClass cls("TXPManifest", nullptr, {});
    return cls;
}

} // namespace

const TEnumInfo& AlignInfo() {
    static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
    return info;
}

const TEnumInfo& AnchorKindInfo() {
    static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
    return info;
}

const TEnumInfo& DragKindInfo() {
    static const TEnumInfo info{"TDragKind", {"dkDrag", "dkDock"}};
    return info;
}

const TEnumInfo& DragModeInfo() {
    static const TEnumInfo info{"TDragMode", {"dmManual", "dmAutomatic"}};
    return info;
}

// Stored only where a limit is set; reading fills the control's own object.
TPropInfo ConstraintsProp() { return pub::Object("Constraints", &C::Constraints); }

// The framework has no pop-up menus: the reference is always none, written never, and a description
// may name none (null).
TPropInfo PopupMenuProp() {
    return ObjectProp("PopupMenu", [](const TPersistent&) -> TPersistent* { return nullptr; });
}

const TPublishedClass& ControlClass() {
    static const TPublishedClass cls("TControl", nullptr,
                                     {pub::Integer("Left", &C::Left, &C::SetLeft, always),
                                      pub::Integer("Top", &C::Top, &C::SetTop, always),
                                      pub::Integer("Width", &C::Width, &C::SetWidth, always),
                                      pub::Integer("Height", &C::Height, &C::SetHeight, always)});
    return cls;
}

TPropInfo ControlFontProp() {
    TPropInfo p = ObjectProp("Font", [](const TPersistent& o) -> TPersistent* {
        return &const_cast<C&>(static_cast<const C&>(o)).Font();
    });
    p.Stored = [](const TPersistent& o) { return !static_cast<const C&>(o).ParentFont(); };
    return p;
}

const TPublishedClass& FormClass() {
    using F = TForm;
    static const TPublishedClass cls(
        "TForm", nullptr,
        {pub::Integer("Left", &C::Left, &C::SetLeft, always), pub::Integer("Top", &C::Top, &C::SetTop, always),
         pub::Set("BorderIcons", BorderIconInfo, &F::BorderIcons, &F::SetBorderIcons,
                  BorderIcon(biSystemMenu) | BorderIcon(biMinimize) | BorderIcon(biMaximize)),
         pub::Enumeration("BorderStyle", BorderStyleInfo, &F::BorderStyle, &F::SetBorderStyle, bsSizeable),
         CaptionProp(), pub::Integer("ClientHeight", &F::ClientHeight, &F::SetClientHeight, always),
         pub::Integer("ClientWidth", &F::ClientWidth, &F::SetClientWidth, always), ColorProp(),
         ObjectProp("Font", [](const TPersistent& o) -> TPersistent* { return &const_cast<C&>(static_cast<const C&>(o)).Font(); }),
         pub::Enumeration("Position", PositionInfo, &F::Position, &F::SetPosition, poDesigned),
         pub::Event("OnActivate", &F::OnActivate), pub::Event("OnCreate", &F::OnCreate),
         pub::Integer("PixelsPerInch", &F::PixelsPerInch, &F::SetPixelsPerInch, always),
         pub::Integer("TextHeight", &F::TextHeight, &F::SetTextHeight, always)});
    return cls;
}

const TPublishedClass* TForm::Published() const { return &FormClass(); }
const TPublishedClass* TPanel::Published() const { return &PanelClass(); }
const TPublishedClass* TGroupBox::Published() const { return &GroupBoxClass(); }
const TPublishedClass* TEdit::Published() const { return &EditClass(); }
const TPublishedClass* TBitBtn::Published() const { return &BitBtnClass(); }
const TPublishedClass* TImage::Published() const { return &ImageClass(); }
const TPublishedClass* TOpenDialog::Published() const { return &OpenDialogClass(); }
const TPublishedClass* TTimer::Published() const { return &TimerClass(); }
const TPublishedClass* TXPManifest::Published() const { return &XPManifestClass(); }
