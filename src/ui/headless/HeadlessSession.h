#pragma once
// A session without a screen: the headless back end's dialogs and timers, and a main form that counts
// as shown and active at once. The client area can be rendered at any time (ClientAreaRender.h).
#include <memory>

#include "ui/UiSession.h"

std::unique_ptr<TUiSession> CreateHeadlessSession();
