#pragma once
// Where an administrator sets the server path for the users of a machine, read afresh at every call
// and never written:
// - managed, which no user can change: Windows' policy value Serverpath of
//   HKLM\SOFTWARE\Policies\Velundo\Velundo Client, then of the same key under HKCU; on Linux key
//   Serverpath of section SETTINGS in /etc/velundo/managed.ini;
// - recommended, the path until the user chooses one: the same value in the policy keys' subkey
//   Recommended (HKLM, then HKCU), then the value the installer was given
//   (HKLM\SOFTWARE\Velundo\Velundo Client); on Linux /etc/velundo/recommended.ini.
// A REG_EXPAND_SZ value has its variables expanded; values are trimmed of characters 0 to 32, and an
// empty one is not set.
#include <string>

#include "platform/PlatformServices.h"

struct TServerPathPolicy {
    std::string Managed;     // empty when no administrator set one
    std::string Recommended; // empty when none is recommended
};

TServerPathPolicy ReadServerPathPolicy(const TPlatform& Platform);
