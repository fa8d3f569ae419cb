#include "framework/Forms.h"

#include "framework/SysUtils.h"

TApplication* Application = nullptr;

void TForm::Close() {
    if (FClosed) return;
    FClosed = true;
    if (Application && Application->MainForm() == this) Application->Terminate();
}

void TForm::Dispatch(const std::function<void()>& Handler) {
    try {
        Handler();
    } catch (const EAbort&) {
        // the silent exception: it ends the handler and shows nothing
    } catch (const std::exception& e) {
        if (Application) Application->ShowException(e);
    }
}

void TForm::DoCreate() {
    if (OnCreate) Dispatch([this] { OnCreate(this); });
}

void TForm::Activate() {
    if (OnActivate) Dispatch([this] { OnActivate(this); });
}

TApplication::TApplication(IUiBackend& Backend, std::string ExeName)
    : TComponent(nullptr), FBackend(Backend), FExeName(std::move(ExeName)) {}

std::string TApplication::Title() const { return FTitle.empty() ? TitleFromExeName(FExeName) : FTitle; }

void TApplication::ShowException(const std::exception& E) {
    const auto* own = dynamic_cast<const Exception*>(&E);
    FBackend.ErrorDialog(ExceptionDisplayText(own ? own->Message() : E.what()), Title());
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    FBackend.Terminate();
}

std::string TitleFromExeName(const std::string& ExeName) {
    const auto slash = ExeName.find_last_of("\\:");
    std::string name = slash == std::string::npos ? ExeName : ExeName.substr(slash + 1);
    const auto dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    if (name.size() > 1) name = name.substr(0, 1) + AnsiLowerCase(name.substr(1));
    return name;
}

std::string ExceptionDisplayText(const std::string& Message) {
    if (!Message.empty() && static_cast<unsigned char>(Message.back()) > '.') return Message + ".";
    return Message;
}

void ShowMessage(const std::string& Text) {
    if (Application) Application->Backend().MessageDialog(Text, Application->Title());
}

int PixelsPerInchOf(const TControl& Control) {
    for (const TControl* c = &Control; c; c = c->Parent())
        if (const auto* form = dynamic_cast<const TForm*>(c)) return form->PixelsPerInch();
    return TFont::PixelsPerInch;
}
