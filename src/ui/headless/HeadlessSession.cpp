#include "ui/headless/HeadlessSession.h"

#include "ui/headless/HeadlessBackend.h"

namespace {
class THeadlessSession : public TUiSession {
public:
    IUiBackend& Backend() override { return FBackend; }
    void ShowMainForm(TForm& Form) override { Form.Activate(); }
    void Run() override { FBackend.Run(); }

private:
    THeadlessBackend FBackend;
};
} // namespace

std::unique_ptr<TUiSession> CreateHeadlessSession() { return std::make_unique<THeadlessSession>(); }
