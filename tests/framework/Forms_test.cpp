// Exceptions leaving a form's event handlers: shown in the error dialog, except the silent EAbort.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "support/FakePlatform.h"

TEST(FormEvents, AnExceptionLeavingAHandlerIsShownButEAbortIsSilent) {
    struct Row {
        const char* What;
        std::function<void()> Raise;
        size_t Dialogs;
    };
    const Row rows[] = {
        {"EAbort", [] { throw EAbort("Vorgang abgebrochen"); }, 0},
        {"Exception", [] { throw Exception("kaputt"); }, 1},
        {"std::exception", [] { throw std::runtime_error("kaputt"); }, 1},
    };
    for (const Row& r : rows) {
        FakeUi ui;
        TApplication application(ui, "Z:\\x\\Velundo_client.exe");
        Application = &application;
        TForm form(nullptr);
        bool after = false;
        form.OnActivate = [&](TObject*) {
            r.Raise();
            after = true;
        };
        form.Activate();
        Application = nullptr;
        EXPECT_FALSE(after) << r.What; // the handler ends at the exception
        EXPECT_EQ(ui.Dialogs.size(), r.Dialogs) << r.What;
    }
}
