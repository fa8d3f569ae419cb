// On Windows the core's paths are the system's own.
#include "platform/NativePaths.h"

std::string ToNativePath(const std::string& Path) { return Path; }

std::string FromNativePath(const std::string& Native) { return Native; }

std::optional<std::string> ExactAnsiName(const std::string& Native) { return Native; }

std::string DisplayPath(const std::string& Path) { return Path; }

std::optional<std::string> ChosenFilePath(const std::string& Native) { return Native; }
