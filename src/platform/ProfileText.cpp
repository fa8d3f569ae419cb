#include "platform/ProfileText.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/CodePage.h"

namespace {

constexpr size_t npos = std::string::npos;

// ---- Encoding: ANSI files are handled as their bytes; Unicode files as UTF-8 text ----

enum class TEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

TEncoding Detect(const std::string& bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return TEncoding::Utf8;
    if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0) return TEncoding::Utf16LE;
    if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFE\xFF") == 0) return TEncoding::Utf16BE;
    return TEncoding::Ansi;
}

size_t BomSize(TEncoding e) {
    return e == TEncoding::Utf8 ? 3 : e == TEncoding::Ansi ? 0 : 2;
}

// Calls Point for every code point of UTF-16 bytes (an even count); a lone surrogate stands for itself.
template <class F> void ForEachUtf16Point(std::string_view bytes, bool bigEndian, F Point) {
    const size_t n = bytes.size() / 2;
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]),
                   b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
    };
    for (size_t i = 0; i < n; ++i) {
        uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(++i) - 0xDC00);
        Point(cp);
    }
}

// Calls Unit for every UTF-16 unit of UTF-8 text (lone surrogates of the file come back as they
// were). Text we inserted is valid UTF-8; any other byte stands for itself.
template <class F> void ForEachUtf16Unit(std::string_view text, F Unit) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const char32_t cp = DecodeWtf8(text, i);
        if (cp == kNoCodePoint) {
            Unit(c);
        } else if (cp >= 0x10000) {
            Unit(0xD800 + ((cp - 0x10000) >> 10));
            Unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            Unit(cp);
        }
    }
}

size_t Utf8Length(uint32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

// The text of a Unicode file as UTF-8; an odd last byte of a UTF-16 file goes to Tail. Each result is
// sized by a first pass, so that no buffer grows past what it holds.
std::string DecodeUnicode(const std::string& bytes, TEncoding e, std::string& Tail) {
    const std::string_view body = std::string_view(bytes).substr(BomSize(e));
    if (e == TEncoding::Utf8) return std::string(body);
    const bool big = e == TEncoding::Utf16BE;
    const std::string_view even = body.substr(0, body.size() & ~size_t(1));
    Tail = std::string(body.substr(even.size()));
    size_t size = 0;
    ForEachUtf16Point(even, big, [&](uint32_t cp) { size += Utf8Length(cp); });
    std::string text;
    text.reserve(size);
    ForEachUtf16Point(even, big, [&](uint32_t cp) { AppendUtf8(text, cp); });
    return text;
}

std::string EncodeUnicode(const std::string& text, TEncoding e, const std::string& Tail) {
    if (e == TEncoding::Utf8) {
        std::string out;
        out.reserve(3 + text.size());
        return out.append("\xEF\xBB\xBF").append(text);
    }
    const bool big = e == TEncoding::Utf16BE;
    size_t units = 0;
    ForEachUtf16Unit(text, [&](uint32_t) { ++units; });
    std::string out;
    out.reserve(2 + 2 * units + Tail.size());
    out.append(big ? "\xFE\xFF" : "\xFF\xFE");
    ForEachUtf16Unit(text, [&](uint32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += big ? hi : lo;
        out += big ? lo : hi;
    });
    return out.append(Tail);
}

// ---- Blanks and names ----

// Whether the byte is a blank of the profile format: the C blanks and Ctrl-Z (a DOS end of file).
// The no-break space is not one, as on Windows.
bool IsBlank(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A;
}

void TrimRange(std::string_view t, size_t& begin, size_t& end) {
    while (begin < end && IsBlank(t[begin]))
        ++begin;
    while (end > begin && IsBlank(t[end - 1]))
        --end;
}

// A requested name, trimmed as Windows trims it.
std::string TrimName(const std::string& name) {
    size_t b = 0, e = name.size();
    TrimRange(name, b, e);
    return name.substr(b, e - b);
}

// Names fold only the letters A to Z: "\xC4nderung" is not "\xE4nderung".
char FoldAnsi(unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
}

// Whether a stored name (up to its first NUL) equals a requested one without regard to case.
bool SameName(std::string_view stored, std::string_view wanted) {
    stored = stored.substr(0, stored.find('\0'));
    if (stored.size() != wanted.size()) return false;
    for (size_t i = 0; i < stored.size(); ++i)
        if (FoldAnsi(static_cast<unsigned char>(stored[i])) !=
            FoldAnsi(static_cast<unsigned char>(wanted[i])))
            return false;
    return true;
}

// The text of a file and whether it is Unicode (UTF-8 here); names and values leave it as ANSI.
struct TText {
    std::string_view Text;
    bool Unicode{false};

    std::string Ansi(size_t begin, size_t end) const {
        const std::string raw(Text.substr(begin, end - begin));
        return Unicode ? Utf8ToAnsi(raw) : raw;
    }
    bool NameIs(size_t begin, size_t end, std::string_view wanted) const {
        return Unicode ? SameName(Ansi(begin, end), wanted)
                       : SameName(Text.substr(begin, end - begin), wanted);
    }
    std::string FromAnsi(const std::string& ansi) const { return Unicode ? AnsiToUtf8(ansi) : ansi; }
};

// ---- Lines ----

enum class TKind { Blank, Header, Entry };

struct TLine {
    size_t Begin{0}, End{0},
        Next{0}; // content [Begin, End) without its line break; Next starts the next line
    TKind Kind{TKind::Blank};
    size_t NameBegin{0}, NameEnd{0};
    bool HasValue{false};
    size_t ValueBegin{0}, ValueEnd{0};
};

// Every search stays inside the line, so a file is parsed in time linear in its size.
void ParseLine(std::string_view t, TLine& line) {
    line.Kind = TKind::Blank;
    line.HasValue = false;
    size_t b = line.Begin, e = line.End;
    TrimRange(t, b, e);
    if (b == e) return;
    if (t[b] == '[') {
        size_t close = e;
        while (close > b + 1 && t[close - 1] != ']')
            --close;
        if (close > b + 1) {
            line.Kind = TKind::Header;
            line.NameBegin = b + 1;
            line.NameEnd = close - 1;
            TrimRange(t, line.NameBegin, line.NameEnd); // "[ S ]" is section S
            return;
        }
    }
    line.Kind = TKind::Entry;
    const void* eq = std::memchr(t.data() + b, '=', e - b);
    if (!eq) {
        line.NameBegin = b;
        line.NameEnd = e;
        return;
    }
    const size_t at = static_cast<size_t>(static_cast<const char*>(eq) - t.data());
    line.NameBegin = b;
    line.NameEnd = at;
    TrimRange(t, line.NameBegin, line.NameEnd);
    line.HasValue = true;
    line.ValueBegin = at + 1;
    line.ValueEnd = e;
    TrimRange(t, line.ValueBegin, line.ValueEnd);
}

// The lines of a text one after the other. A line ends at '\n', at '\r\n' or at a '\r' alone. The
// next '\n' and the next '\r' are each looked up once and kept until passed, so the walk stays
// linear when one of them is rare or missing.
class TLineReader {
public:
    explicit TLineReader(std::string_view Text) : m_text(Text) {}

    bool Next(TLine& line) {
        if (m_pos >= m_text.size()) return false;
        const size_t end = std::min(Find(m_lf, '\n'), Find(m_cr, '\r'));
        line.Begin = m_pos;
        line.End = end;
        if (end == m_text.size())
            line.Next = end;
        else if (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n')
            line.Next = end + 2;
        else
            line.Next = end + 1;
        m_pos = line.Next;
        ParseLine(m_text, line);
        return true;
    }

private:
    size_t Find(size_t& cached, char c) {
        if (cached == npos || cached < m_pos) {
            const void* hit = std::memchr(m_text.data() + m_pos, c, m_text.size() - m_pos);
            cached = hit ? static_cast<size_t>(static_cast<const char*>(hit) - m_text.data()) : m_text.size();
        }
        return cached;
    }

    std::string_view m_text;
    size_t m_pos{0};
    size_t m_lf{npos}, m_cr{npos};
};

// The file's own line break: that of its first line, CR LF for a file without one.
std::string LineBreak(std::string_view t) {
    const size_t brk = t.find_first_of("\r\n");
    if (brk == npos) return "\r\n";
    if (t[brk] == '\n') return "\n";
    return brk + 1 < t.size() && t[brk + 1] == '\n' ? "\r\n" : "\r";
}

// What one pass finds of a section: whether it is there, its first entry named Key, and the last line
// of it that is not blank (its header, when it has no entries), after which a new entry goes.
struct TSectionScan {
    bool Found{false};
    bool HasEntry{false};
    TLine Entry;
    bool HasLast{false};
    TLine Last;
};

TSectionScan ScanSection(const TText& doc, std::string_view section, std::string_view key) {
    TSectionScan scan;
    bool inside = SameName("", section); // the nameless section, before the first header
    scan.Found = inside;
    TLineReader lines(doc.Text);
    for (TLine line; lines.Next(line);) {
        if (line.Kind == TKind::Header) {
            if (inside) break; // only the first matching section counts
            inside = doc.NameIs(line.NameBegin, line.NameEnd, section);
            if (inside) {
                scan.Found = scan.HasLast = true;
                scan.Last = line;
            }
            continue;
        }
        if (!inside || line.Kind != TKind::Entry) continue;
        scan.HasLast = true;
        scan.Last = line;
        if (doc.NameIs(line.NameBegin, line.NameEnd, key)) {
            scan.HasEntry = true;
            scan.Entry = line;
            break;
        }
    }
    return scan;
}

// ---- Edits ----

// Replaces [pos, pos + len) of t by with, growing t's buffer at most to the size it then needs.
void Splice(std::string& t, size_t pos, size_t len, std::string_view with) {
    const size_t size = t.size() - len + with.size();
    if (size <= t.capacity()) {
        t.replace(pos, len, with.data(), with.size());
        return;
    }
    std::string out;
    out.reserve(size);
    out.append(t, 0, pos).append(with).append(t, pos + len, npos);
    t.swap(out);
}

bool EndsWithBreak(std::string_view t) {
    return !t.empty() && (t.back() == '\n' || t.back() == '\r');
}

bool SetValue(std::string& t, bool unicode, const std::string& section, const std::string& key,
              const std::string& value) {
    const TText doc{t, unicode};
    const std::string brk = LineBreak(t);
    const std::string entry = doc.FromAnsi(key + "=" + value);
    const TSectionScan scan = ScanSection(doc, section, key);
    if (!scan.Found) {
        std::string add = (t.empty() || EndsWithBreak(t)) ? "" : brk;
        add += doc.FromAnsi("[" + section + "]") + brk + entry + brk;
        Splice(t, t.size(), 0, add);
        return true;
    }
    if (scan.HasEntry) {
        const TLine& line = scan.Entry;
        if (!line.HasValue) {
            Splice(t, line.NameEnd, 0, doc.FromAnsi("=" + value));
            return true;
        }
        if (doc.Ansi(line.ValueBegin, line.ValueEnd) == value) return false;
        Splice(t, line.ValueBegin, line.ValueEnd - line.ValueBegin, doc.FromAnsi(value));
        return true;
    }
    if (!scan.HasLast) { // the nameless section holds nothing yet: the entry opens the file
        Splice(t, 0, 0, entry + brk);
        return true;
    }
    const TLine& prev = scan.Last;
    if (prev.Next == prev.End) { // the last line of the file, without a line break
        Splice(t, prev.Next, 0, brk + entry);
        return true;
    }
    // A '\r' of ours must not pair with a '\n' that follows it into one break.
    const bool pairs = brk == "\r" && prev.Next < t.size() && t[prev.Next] == '\n';
    Splice(t, prev.Next, 0, entry + (pairs ? "\r\n" : brk));
    return true;
}

// Deletes the first entry named key of any section named section.
bool DeleteKey(std::string& t, bool unicode, const std::string& section, const std::string& key) {
    const TText doc{t, unicode};
    bool inside = SameName("", section);
    TLineReader lines(doc.Text);
    for (TLine line; lines.Next(line);) {
        if (line.Kind == TKind::Header) inside = doc.NameIs(line.NameBegin, line.NameEnd, section);
        if (inside && line.Kind == TKind::Entry && doc.NameIs(line.NameBegin, line.NameEnd, key)) {
            t.erase(line.Begin, line.Next - line.Begin);
            return true;
        }
    }
    return false;
}

// Deletes the first section named section with its header, up to the next header.
bool DeleteSection(std::string& t, bool unicode, const std::string& section) {
    const TText doc{t, unicode};
    size_t begin = npos;
    TLineReader lines(doc.Text);
    for (TLine line; lines.Next(line);) {
        if (line.Kind != TKind::Header) continue;
        if (begin != npos) {
            t.erase(begin, line.Begin - begin);
            return true;
        }
        if (doc.NameIs(line.NameBegin, line.NameEnd, section)) begin = line.Begin;
    }
    if (begin == npos) return false;
    t.erase(begin);
    return true;
}

bool EditText(std::string& t, bool unicode, const char* Section, const char* Key, const char* Value) {
    const std::string section = TrimName(Section);
    if (!Key) return DeleteSection(t, unicode, section);
    if (!Value) return DeleteKey(t, unicode, section, TrimName(Key));
    std::string value = Value;
    value.erase(0, std::find_if_not(value.begin(), value.end(), IsBlank) - value.begin());
    return SetValue(t, unicode, section, TrimName(Key), value);
}

std::optional<std::string> LookupText(const TText& doc, const std::string& Section, const std::string& Key) {
    const TSectionScan scan = ScanSection(doc, TrimName(Section), TrimName(Key));
    if (!scan.HasEntry || !scan.Entry.HasValue) return std::nullopt;
    return doc.Ansi(scan.Entry.ValueBegin, scan.Entry.ValueEnd);
}

} // namespace

std::optional<std::string> ProfileLookup(const std::string& FileBytes, const std::string& Section,
                                         const std::string& Key) {
    const TEncoding e = Detect(FileBytes);
    if (e == TEncoding::Ansi) return LookupText(TText{FileBytes, false}, Section, Key);
    std::string tail;
    const std::string text = DecodeUnicode(FileBytes, e, tail);
    return LookupText(TText{text, true}, Section, Key);
}

uint32_t ProfileGetString(const std::string& FileBytes, const std::string& Section, const std::string& Key,
                          const std::string& Default, char* Buffer, uint32_t Size) {
    if (!Buffer || Size == 0) return 0;
    std::string value;
    if (auto found = ProfileLookup(FileBytes, Section, Key)) {
        value = *found;
    } else {
        value = Default.substr(0, Default.find('\0'));
        size_t end = value.size();
        while (end > 1 && value[end - 1] == ' ')
            --end; // trailing blanks of the default go, as on Windows
        value.resize(end);
    }
    value = value.substr(0, value.find('\0'));
    // One pair of enclosing quotes goes; the closing one only when the whole value fits.
    bool quoted = false;
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        quoted = true;
        value.erase(0, 1);
    }
    size_t n = std::min<size_t>(value.size(), Size - 1);
    std::memcpy(Buffer, value.data(), n);
    if (quoted && Size >= value.size() && n > 0) --n;
    Buffer[n] = '\0';
    return static_cast<uint32_t>(n);
}

bool ProfileEdit(std::string& FileBytes, const char* Section, const char* Key, const char* Value) {
    if (!Section) return false;
    const TEncoding e = Detect(FileBytes);
    if (e == TEncoding::Ansi) return EditText(FileBytes, false, Section, Key, Value);
    std::string tail;
    std::string text = DecodeUnicode(FileBytes, e, tail);
    if (!EditText(text, true, Section, Key, Value)) return false;
    FileBytes.clear();
    FileBytes.shrink_to_fit(); // the old bytes go before the new ones are made
    FileBytes = EncodeUnicode(text, e, tail);
    return true;
}
