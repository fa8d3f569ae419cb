// The settings file at size: for files of 1, 10 and 50 MB of every shape, one read of the launcher's
// key and one write of it through the platform's private-profile service, against a plain scan of
// the same bytes (read the file, count its line breaks) in the same run. Natively this is our POSIX
// layer; built for Windows and run under Wine it is GetPrivateProfileStringA and
// WritePrivateProfileStringA, the peer. Prints the best of three runs of each and, for our code, the
// peak of heap memory during the call as a multiple of the file's size.
//
// Google Benchmark is not at hand for the Windows build, so this program times itself.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "platform/NativePaths.h"
#include "platform/PlatformServices.h"

namespace fs = std::filesystem;

// ---- Heap use of this program: the live bytes and their peak since the last reset ----

namespace {
std::atomic<size_t> g_live{0}, g_peak{0};

void* Track(size_t size) {
    void* p = std::malloc(size + 16);
    if (!p) throw std::bad_alloc();
    *static_cast<size_t*>(p) = size;
    const size_t now = g_live += size;
    size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(p) + 16;
}

void Untrack(void* p) {
    if (!p) return;
    char* block = static_cast<char*>(p) - 16;
    g_live -= *reinterpret_cast<size_t*>(block);
    std::free(block);
}
} // namespace

void* operator new(size_t size) {
    return Track(size);
}
void* operator new[](size_t size) {
    return Track(size);
}
void operator delete(void* p) noexcept {
    Untrack(p);
}
void operator delete[](void* p) noexcept {
    Untrack(p);
}
void operator delete(void* p, size_t) noexcept {
    Untrack(p);
}
void operator delete[](void* p, size_t) noexcept {
    Untrack(p);
}

namespace {

// ---- The shapes ----

// Appends lines "key<i>=value <i>" with the given break until the text has `size` bytes.
void Entries(std::string& t, size_t size, const char* brk) {
    for (size_t i = 0; t.size() < size; ++i)
        t.append("key").append(std::to_string(i)).append("=value ").append(std::to_string(i)).append(brk);
}

// The launcher's key comes last, so that a read walks the whole file.
std::string WithSettingsLast(std::string t, const char* brk) {
    return t.append("[SETTINGS]").append(brk).append("Serverpath=/srv/Velundo.exe").append(brk);
}

struct TShape {
    const char* Name;
    std::function<std::string(size_t)> Make;
};

const std::vector<TShape>& Shapes() {
    static const std::vector<TShape> shapes = {
        {"LF",
         [](size_t n) {
             std::string t = "[S]\n";
             Entries(t, n, "\n");
             return WithSettingsLast(t, "\n");
         }},
        {"CRLF",
         [](size_t n) {
             std::string t = "[S]\r\n";
             Entries(t, n, "\r\n");
             return WithSettingsLast(t, "\r\n");
         }},
        {"CR",
         [](size_t n) {
             std::string t = "[S]\r";
             Entries(t, n, "\r");
             return WithSettingsLast(t, "\r");
         }},
        {"mixed",
         [](size_t n) {
             std::string t = "[S]\r\n";
             const char* breaks[] = {"\n", "\r\n", "\r"};
             for (size_t i = 0; t.size() < n; ++i)
                 t.append("key").append(std::to_string(i)).append("=v").append(breaks[i % 3]);
             return WithSettingsLast(t, "\r\n");
         }},
        {"no section",
         [](size_t n) { // 29-character lines without '=' and without a header
             std::string t;
             while (t.size() < n)
                 t.append("abcdefghijklmnopqrstuvwxyz012\r\n");
             return t;
         }},
        {"one huge section",
         [](size_t n) {
             std::string t = "[SETTINGS]\r\n";
             Entries(t, n, "\r\n");
             return t.append("Serverpath=/srv/Velundo.exe\r\n");
         }},
        {"many sections",
         [](size_t n) {
             std::string t;
             for (size_t i = 0; t.size() < n; ++i)
                 t.append("[Section").append(std::to_string(i)).append("]\r\na=1\r\nb=2\r\n");
             return WithSettingsLast(t, "\r\n");
         }},
        {"long lines",
         [](size_t n) { // lines of 1 MB
             std::string t = "[S]\r\n";
             for (size_t i = 0; t.size() < n; ++i)
                 t.append("k").append(std::to_string(i)).append("=").append(1 << 20, 'v').append("\r\n");
             return WithSettingsLast(t, "\r\n");
         }},
        {"binary garbage",
         [](size_t n) {
             std::string t(n, '\0');
             std::mt19937 random(7);
             for (char& c : t)
                 c = static_cast<char>(random());
             return t;
         }},
        {"NUL bytes",
         [](size_t n) {
             std::string t = "[S]\r\n";
             for (size_t i = 0; t.size() < n; ++i)
                 t.append("ke").append(1, '\0').append("y=va").append(1, '\0').append("lue\r\n");
             return WithSettingsLast(t, "\r\n");
         }},
    };
    return shapes;
}

// ---- Measuring ----

void Spill(const fs::path& file, const std::string& bytes) {
    FILE* f = std::fopen(file.string().c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The yardstick: the file read in one go and its line breaks counted.
size_t PlainScan(const fs::path& file) {
    FILE* f = std::fopen(file.string().c_str(), "rb");
    std::fseek(f, 0, SEEK_END);
    std::string bytes(static_cast<size_t>(std::ftell(f)), '\0');
    std::fseek(f, 0, SEEK_SET);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    size_t breaks = 0;
    for (size_t i = 0; i < got; ++i)
        breaks += bytes[i] == '\n' || bytes[i] == '\r';
    return breaks;
}

struct TFigure {
    double Seconds{1e30};
    double PeakPerByte{0};
};

// Best time of three runs; Prepare runs untimed before each (it also makes the file look changed,
// so that a platform cache must read it again).
TFigure Measure(size_t fileSize, const std::function<void()>& Prepare, const std::function<void()>& Run) {
    TFigure f;
    for (int i = 0; i < 3; ++i) {
        Prepare();
        const size_t base = g_live;
        g_peak = base;
        const auto t0 = std::chrono::steady_clock::now();
        Run();
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        f.Seconds = std::min(f.Seconds, s);
        f.PeakPerByte = std::max(f.PeakPerByte, double(g_peak - base) / double(fileSize));
    }
    return f;
}

} // namespace

int main(int argc, char** argv) {
    const bool peer = std::strcmp(FromNativePath("/").c_str(), "/") == 0; // Win32 under Wine: paths stay
    std::vector<size_t> sizes = {1u << 20, 10u << 20, 50u << 20};
    if (argc > 1) sizes = {static_cast<size_t>(std::atof(argv[1]) * (1 << 20))};
    IPrivateProfile& profile = *NativePlatform().Profile;
    const fs::path folder =
        fs::temp_directory_path() / ("velundo-profile-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const fs::path native = folder / "Velundo_Client.ini";
    const std::string file = FromNativePath(native.string());

    std::printf("%s\n", peer ? "GetPrivateProfileStringA / WritePrivateProfileStringA (Win32)"
                             : "POSIX private profile (ours)");
    std::printf("%-17s %5s %9s %9s %7s %9s %7s %9s %9s\n", "shape", "MB", "scan ms", "read ms", "read x",
                "write ms", "write x", "read mem", "write mem");
    int tick = 0;
    for (const TShape& shape : Shapes()) {
        for (size_t size : sizes) {
            const std::string bytes = shape.Make(size);
            Spill(native, bytes);
            auto touch = [&] {
                fs::last_write_time(native, fs::file_time_type::clock::now() + std::chrono::seconds(++tick));
            };
            volatile size_t sink = 0;
            const TFigure scan = Measure(bytes.size(), touch, [&] { sink = sink + PlainScan(native); });
            char buffer[2048];
            const TFigure read = Measure(bytes.size(), touch, [&] {
                sink = sink + profile.GetString("SETTINGS", "Serverpath", "", buffer, sizeof buffer, file);
            });
            // Each write stores a new value and flushes it (Wine writes the file at the flush).
            const TFigure write = Measure(
                bytes.size(), [] {},
                [&] {
                    const std::string value = "/srv/Velundo" + std::to_string(++tick) + ".exe";
                    profile.WriteString("SETTINGS", "Serverpath", value.c_str(), file);
                    profile.WriteString(nullptr, nullptr, nullptr, file);
                });
            std::printf("%-17s %5zu %9.1f %9.1f %7.2f %9.1f %7.2f", shape.Name, size >> 20,
                        scan.Seconds * 1e3, read.Seconds * 1e3, read.Seconds / scan.Seconds,
                        write.Seconds * 1e3, write.Seconds / scan.Seconds);
            if (peer)
                std::printf(" %9s %9s\n", "-", "-"); // the peer's heap is not ours to count
            else
                std::printf(" %8.2fx %8.2fx\n", read.PeakPerByte, write.PeakPerByte);
            std::fflush(stdout);
        }
    }
    std::error_code error;
    fs::remove_all(folder, error);
    return 0;
}
