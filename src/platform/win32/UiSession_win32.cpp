// Windows has no window of its own yet: the program runs on the headless session there.
#include "platform/UiSession.h"
#include "platform/headless/HeadlessSession.h"

std::unique_ptr<TUiSession> CreateUiSession(int&, char**&) { return CreateHeadlessSession(); }
