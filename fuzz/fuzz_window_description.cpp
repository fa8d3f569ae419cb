// libFuzzer target for the stored window description: any bytes as the text of a main window with
// the classes the real one names. Hostile JSON and property data must end in the reader's error
// (EReadError, or the error of a class that refuses a value); a crash, a hang or unbounded memory is
// a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/fArbeitsplatz.h"
#include "framework/Buttons.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Image.h"
#include "framework/Panel.h"
#include "framework/StandardClasses.h"
#include "framework/StdCtrls.h"
#include "framework/Streaming.h"
#include "framework/XPMan.h"

namespace {

// A root of the stored class; its handlers are whatever the text names.
class TFuzzForm : public TForm {
public:
    using TForm::TForm;
    const TPublishedClass* Published() const override {
        static const TPublishedClass cls("TMainForm", &FormClass(), {});
        return &cls;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    RegisterMainFormClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    TFuzzForm form(nullptr);
    try {
        ReadComponentTextInto(form, text, [](const std::string&) -> TNotifyEvent { return [](TObject*) {}; });
    } catch (const Exception&) {
        // the reader's error: the expected end of hostile text
    }
    return 0;
}
