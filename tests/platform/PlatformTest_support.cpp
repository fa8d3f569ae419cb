#include "PlatformTest_support.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/NativePaths.h"

namespace fs = std::filesystem;

bool OnWindows() { return ToNativePath("Z:\\") == "Z:\\"; }

const TPlatformFacts& Facts() {
    static const TPlatformFacts posix{true, true, false, 0, 3, "probe.sh", "#!/bin/sh\necho ran > marker.txt\n"};
    static const TPlatformFacts wine{false, false, true, 2, 2, "probe.cmd", "@echo ran> marker.txt\r\n"};
    return OnWindows() ? wine : posix;
}

TTempFolder::TTempFolder() {
    std::random_device random;
    const fs::path native = fs::temp_directory_path() / ("velundo-test-" + std::to_string(random()));
    fs::create_directories(native);
    m_path = FromNativePath(native.string());
    while (!m_path.empty() && m_path.back() == '\\') m_path.pop_back();
}

TTempFolder::~TTempFolder() {
    std::error_code error;
    const fs::path native = ToNativePath(m_path);
    for (auto it = fs::recursive_directory_iterator(native, error); !error && it != fs::end(it); it.increment(error))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(native, error);
}

void WriteBytes(const std::string& Path, const std::string& Bytes) {
    FILE* file = std::fopen(ToNativePath(Path).c_str(), "wb");
    if (!file) return;
    std::fwrite(Bytes.data(), 1, Bytes.size(), file);
    std::fclose(file);
}

std::string ReadBytes(const std::string& Path) {
    FILE* file = std::fopen(ToNativePath(Path).c_str(), "rb");
    if (!file) return "<missing>";
    std::string bytes;
    char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    return bytes;
}

bool PathExists(const std::string& Path) {
    std::error_code error;
    return fs::exists(fs::path(ToNativePath(Path)), error);
}

void MakeFolder(const std::string& Path) { fs::create_directory(fs::path(ToNativePath(Path))); }

void SetReadOnly(const std::string& Path, bool ReadOnly) {
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(fs::path(ToNativePath(Path)), write,
                    ReadOnly ? fs::perm_options::remove : fs::perm_options::add);
}
