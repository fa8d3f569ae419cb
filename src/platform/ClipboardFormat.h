#pragma once
// Registered clipboard formats: one identifier per name, process-wide (Windows: the system's table).
#include <cstdint>
#include <string>

// The identifier for the format Name (Windows-1252); the same name always gives the same identifier,
// names compared without regard to case. 0 when no identifier could be handed out.
uint16_t RegisterClipboardFormatName(const std::string& Name);
