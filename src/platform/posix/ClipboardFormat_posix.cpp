#include "platform/ClipboardFormat.h"

#include <map>
#include <mutex>

#include "platform/CodePage.h"

// Without a system table the process keeps its own: identifiers from 0xC000 upwards, as Windows
// hands out registered formats, up to 0xFFFF.
uint16_t RegisterClipboardFormatName(const std::string& Name) {
    static std::mutex lock;
    static std::map<std::string, uint16_t> formats;
    if (Name.empty()) return 0;
    const std::lock_guard<std::mutex> guard(lock);
    const std::string key = AnsiLowerCase(Name);
    const auto it = formats.find(key);
    if (it != formats.end()) return it->second;
    if (formats.size() >= 0x4000) return 0;
    const auto id = static_cast<uint16_t>(0xC000 + formats.size());
    formats.emplace(key, id);
    return id;
}
