// The designer of the launcher's main window: builds the window with every control and setting in
// code, loads the artwork (the banner and the two glyphs) from the resources folder, and writes the
// window description that the program reads at start. resources/make-description runs it; the
// window's layout is changed here, never by editing the description by hand.
//
//   velundo_form_designer RESOURCES-FOLDER > RESOURCES-FOLDER/fArbeitsplatz.json
#include <cstdio>
#include <iostream>

#include "controls/AdvSmoothLabel.h"
#include "controls/JvGradient.h"
#include "framework/Buttons.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StandardClasses.h"
#include "framework/StdCtrls.h"
#include "framework/Streaming.h"
#include "framework/XPMan.h"
#include "graphics/jpeg.h"

namespace {
// The designed window carries the class name of the program's main window.
class TDesignedMainForm : public TForm {
public:
    using TForm::TForm;
    const TPublishedClass* Published() const override {
        static const TPublishedClass cls("TMainForm", &FormClass(), {});
        return &cls;
    }
};

// A component of the window; a control gets its alignment before its bounds, as a designer sets them.
template <class T>
T* Create(TComponent* Owner, TWinControl* Parent, const char* Name, TRect Bounds = {}, TAlign Align = alNone) {
    T* c = new T(Owner);
    c->SetName(Name);
    if constexpr (std::is_base_of_v<TControl, T>) {
        c->SetParent(Parent);
        c->SetAlign(Align);
        c->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    }
    return c;
}

void SetupForm(TForm& Form) {
    Form.SetName("MainForm");
    Form.SetBounds(656, 308, 506, 294);
    Form.SetBorderIcons(BorderIcon(biSystemMenu));
    Form.SetBorderStyle(bsSingle);
    Form.SetCaption("Velundo Client");
    Form.Font().SetColor(clWindowText);
    Form.Font().SetHeight(-11);
    Form.Font().SetName("MS Sans Serif");
    Form.SetPosition(poScreenCenter);
    Form.SetMethodName("OnActivate", "FormActivate");
    Form.SetMethodName("OnCreate", "FormCreate");
}

void SetupGradient(TForm& Form) {
    auto* g = Create<TJvGradient>(&Form, &Form, "JvGradient2", Bounds(0, -16, 506, 310), alBottom);
    g->SetStyle(grVertical);
    g->SetStartColor(16643823);
    g->SetEndColor(15784647);
}

void SetupCaption(TAdvSmoothLabelCaption& Caption, TColor From, TColor To) {
    Caption.SetText("Client");
    Caption.SetLocation(plCenterLeft);
    Caption.Font()->SetName("Arial");
    Caption.Font()->SetHeight(-27);
    Caption.SetColorStart(From);
    Caption.SetColorEnd(To);
}

void SetupBanner(TForm& Form, const std::string& Resources) {
    auto* panel = Create<TPanel>(&Form, &Form, "Panel1", Bounds(0, 0, 506, 57), alTop);
    panel->SetBevelOuter(bvLowered);
    panel->SetCaption("Panel1");
    panel->SetTabOrder(0);

    auto* image = Create<TImage>(&Form, panel, "Image1", Bounds(1, 1, 504, 55), alClient);
    image->SetAutoSize(true);
    image->Picture().LoadFromFile(Resources + "/banner.jpg");

    auto* label = Create<TAdvSmoothLabel>(&Form, panel, "AdvSmoothLabel1", Bounds(424, 7, 280, 50));
    SetupCaption(*label->Caption(), clWhite, 16643823);
    SetupCaption(*label->CaptionShadow(), clGray, clGray);
    label->SetCaptionShadowVisible(true);
    label->SetTextRendering(tClearType);
    TGDIPFill& fill = *label->Fill();
    fill.SetColorMirror(clNone);
    fill.SetColorMirrorTo(clNone);
    fill.SetGradientType(gtVertical);
    fill.SetGradientMirrorType(gtSolid);
    fill.SetBorderColor(clNone);
    fill.SetRounding(0);
    fill.SetShadowOffset(0);
    fill.SetGlow(gmNone);
}

void LoadGlyph(TBitBtn& Button, const std::string& FileName) { Button.Glyph().LoadFromFile(FileName); }

void SetupPathGroup(TForm& Form, const std::string& Resources) {
    auto* group = Create<TGroupBox>(&Form, &Form, "GroupBox1", Bounds(16, 176, 465, 97));
    group->SetCaption("Pfad der Velundo.exe auf Ihrem Server ");
    group->SetTabOrder(1);

    auto* edit = Create<TEdit>(&Form, group, "ServerEdit", Bounds(16, 32, 409, 21));
    edit->SetEnabled(false);
    edit->SetReadOnly(true);
    edit->SetTabOrder(0);

    auto* button = Create<TBitBtn>(&Form, group, "PfadBitBtn", Bounds(16, 64, 145, 25));
    button->SetCaption("Pfad ausw\xE4hlen");
    button->SetTabOrder(1);
    button->SetTabStop(true);
    button->SetMethodName("OnClick", "PfadBitBtnClick");
    LoadGlyph(*button, Resources + "/folder.bmp");
}

void SetupStartButton(TForm& Form, const std::string& Resources) {
    auto* button = Create<TBitBtn>(&Form, &Form, "BitBtn1", Bounds(16, 72, 465, 89));
    button->SetCaption("Velundo starten");
    button->Font().SetStyle(FontStyle(fsBold));
    button->SetTabOrder(2);
    button->SetTabStop(true);
    button->SetMethodName("OnClick", "BitBtn1Click");
    LoadGlyph(*button, Resources + "/start.bmp");
    button->SetNumGlyphs(2);
}

// Non-visual components.
void SetupComponents(TForm& Form) {
    auto* dialog = Create<TOpenDialog>(&Form, nullptr, "OpenDialog1");
    dialog->SetFilter("*.exe|*.exe");
    dialog->SetInitialDir("c:\\");
    auto* timer = Create<TTimer>(&Form, nullptr, "CloseTimer");
    timer->SetEnabled(false);
    timer->SetInterval(2000);
    timer->SetMethodName("OnTimer", "CloseTimerTimer");
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velundo_form_designer RESOURCES-FOLDER\n";
        return 2;
    }
    const std::string resources = argv[1];
    InitializeJpegUnit(); // the banner is read as a TJPEGImage
    try {
        TDesignedMainForm form(nullptr);
        SetupForm(form);
        // Creation order is stacking order: the gradient lies below everything.
        SetupGradient(form);
        SetupBanner(form, resources);
        SetupComponents(form);
        SetupPathGroup(form, resources);
        SetupStartButton(form, resources);
        Create<TXPManifest>(&form, nullptr, "XPManifest1");
        std::cout << WriteComponentText(form);
    } catch (const std::exception& e) {
        std::cerr << "velundo_form_designer: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
