#include "platform/ProfileText.h"

#include <cstring>
#include <vector>

#include "platform/CodePage.h"

namespace {

// ---- Encoding: ANSI files are handled as their bytes; Unicode files as UTF-8 text ----

enum class TEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct TDocument {
    TEncoding Encoding{TEncoding::Ansi};
    std::string Text; // ANSI bytes, or UTF-8 for the Unicode encodings
    std::string Tail; // an odd last byte of a UTF-16 file, kept as it was
};

std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    std::string out;
    const size_t n = bytes.size() / 2;
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]), b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
    };
    for (size_t i = 0; i < n; ++i) {
        uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < n && unit(i + 1) >= 0xDC00 && unit(i + 1) < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(++i) - 0xDC00);
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToUtf16(const std::string& text, bool bigEndian) {
    std::string out;
    auto put = [&](uint32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const char32_t cp = DecodeUtf8(text, i);
        if (cp == kNoCodePoint) { // text we inserted is valid UTF-8; anything else stands for itself
            put(c);
        } else if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

TDocument Decode(const std::string& bytes) {
    TDocument doc;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        doc.Encoding = TEncoding::Utf8;
        doc.Text = bytes.substr(3);
    } else if (bytes.size() >= 2 && (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0)) {
        const bool big = bytes[0] == '\xFE';
        doc.Encoding = big ? TEncoding::Utf16BE : TEncoding::Utf16LE;
        const std::string body = bytes.substr(2);
        doc.Text = Utf16ToUtf8(body.substr(0, body.size() & ~size_t(1)), big);
        if (body.size() % 2) doc.Tail = body.substr(body.size() - 1);
    } else {
        doc.Text = bytes;
    }
    return doc;
}

std::string Encode(const TDocument& doc) {
    switch (doc.Encoding) {
    case TEncoding::Ansi: return doc.Text;
    case TEncoding::Utf8: return "\xEF\xBB\xBF" + doc.Text;
    case TEncoding::Utf16LE: return "\xFF\xFE" + Utf8ToUtf16(doc.Text, false) + doc.Tail;
    case TEncoding::Utf16BE: return "\xFE\xFF" + Utf8ToUtf16(doc.Text, true) + doc.Tail;
    }
    return doc.Text;
}

bool IsUnicode(const TDocument& doc) { return doc.Encoding != TEncoding::Ansi; }

// Text of the document as ANSI, and ANSI as text of the document.
std::string ToAnsi(const TDocument& doc, const std::string& text) { return IsUnicode(doc) ? Utf8ToAnsi(text) : text; }
std::string FromAnsi(const TDocument& doc, const std::string& ansi) { return IsUnicode(doc) ? AnsiToUtf8(ansi) : ansi; }

// ---- Blanks and names ----

// Whether the byte is a blank of the profile format: the C blanks and Ctrl-Z (a DOS end of file).
// The no-break space is not one, as with Wine.
bool IsBlank(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A;
}

void TrimRange(const std::string& t, size_t& begin, size_t& end) {
    while (begin < end && IsBlank(t[begin])) ++begin;
    while (end > begin && IsBlank(t[end - 1])) --end;
}

// A requested name, trimmed as Windows trims it.
std::string TrimName(const std::string& name) {
    size_t b = 0, e = name.size();
    TrimRange(name, b, e);
    return name.substr(b, e - b);
}

// Names fold only the letters A to Z, as with Wine: "\xC4nderung" is not "\xE4nderung".
char FoldAnsi(unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c); }

// Whether a stored name (up to its first NUL) equals a requested one without regard to case.
bool SameName(std::string stored, const std::string& wanted) {
    stored = stored.substr(0, stored.find('\0'));
    if (stored.size() != wanted.size()) return false;
    for (size_t i = 0; i < stored.size(); ++i)
        if (FoldAnsi(static_cast<unsigned char>(stored[i])) != FoldAnsi(static_cast<unsigned char>(wanted[i])))
            return false;
    return true;
}

// ---- Lines and sections ----

enum class TKind { Blank, Header, Entry };

struct TLine {
    size_t Begin{0}, End{0}, Next{0}; // content [Begin, End) without its line break; Next starts the next line
    TKind Kind{TKind::Blank};
    size_t NameBegin{0}, NameEnd{0};
    bool HasValue{false};
    size_t ValueBegin{0}, ValueEnd{0};
};

TLine ParseLine(const std::string& t, size_t begin, size_t end, size_t next) {
    TLine line{begin, end, next};
    size_t b = begin, e = end;
    TrimRange(t, b, e);
    if (b == e) return line;
    if (t[b] == '[') {
        const size_t close = t.rfind(']', e - 1);
        if (close != std::string::npos && close > b) {
            line.Kind = TKind::Header;
            line.NameBegin = b + 1;
            line.NameEnd = close;
            TrimRange(t, line.NameBegin, line.NameEnd); // "[ S ]" is section S
            return line;
        }
    }
    line.Kind = TKind::Entry;
    const size_t eq = t.find('=', b);
    if (eq == std::string::npos || eq >= e) {
        line.NameBegin = b;
        line.NameEnd = e;
        return line;
    }
    size_t nb = b, ne = eq, vb = eq + 1, ve = e;
    TrimRange(t, nb, ne);
    TrimRange(t, vb, ve);
    line.NameBegin = nb;
    line.NameEnd = ne;
    line.HasValue = true;
    line.ValueBegin = vb;
    line.ValueEnd = ve;
    return line;
}

std::vector<TLine> SplitLines(const std::string& t) {
    std::vector<TLine> lines;
    size_t pos = 0;
    while (pos < t.size()) {
        size_t brk = t.find('\n', pos);
        if (brk == std::string::npos) brk = t.find('\r', pos);
        const size_t end = brk == std::string::npos ? t.size() : brk;
        const size_t next = brk == std::string::npos ? t.size() : brk + 1;
        lines.push_back(ParseLine(t, pos, end, next));
        pos = next;
    }
    return lines;
}

// A section: its header line (none for the nameless one at the top) and the lines up to the next one.
struct TSection {
    std::string Name; // ANSI
    int Header{-1};
    size_t First{0}, Last{0}; // line indexes [First, Last) after the header
};

struct TParsed {
    TDocument Doc;
    std::vector<TLine> Lines;
    std::vector<TSection> Sections; // [0] is the nameless section before the first header
};

TParsed Parse(const std::string& bytes) {
    TParsed p;
    p.Doc = Decode(bytes);
    p.Lines = SplitLines(p.Doc.Text);
    p.Sections.push_back(TSection{});
    for (size_t i = 0; i < p.Lines.size(); ++i) {
        const TLine& line = p.Lines[i];
        if (line.Kind != TKind::Header) continue;
        p.Sections.back().Last = i;
        const std::string raw = p.Doc.Text.substr(line.NameBegin, line.NameEnd - line.NameBegin);
        p.Sections.push_back(TSection{ToAnsi(p.Doc, raw), static_cast<int>(i), i + 1, 0});
    }
    p.Sections.back().Last = p.Lines.size();
    return p;
}

std::string NameOf(const TParsed& p, const TLine& line) {
    return ToAnsi(p.Doc, p.Doc.Text.substr(line.NameBegin, line.NameEnd - line.NameBegin));
}

const TSection* FindSection(const TParsed& p, const std::string& name) {
    for (const TSection& s : p.Sections)
        if (SameName(s.Name, name)) return &s;
    return nullptr;
}

int FindEntry(const TParsed& p, const TSection& s, const std::string& key) {
    for (size_t i = s.First; i < s.Last; ++i)
        if (p.Lines[i].Kind == TKind::Entry && SameName(NameOf(p, p.Lines[i]), key)) return static_cast<int>(i);
    return -1;
}

// The file's own line break: that of its first line, CR LF for a file without one.
std::string LineBreak(const std::string& t) {
    const size_t lf = t.find('\n');
    if (lf != std::string::npos) return lf > 0 && t[lf - 1] == '\r' ? "\r\n" : "\n";
    return t.find('\r') != std::string::npos ? "\r" : "\r\n";
}

// The break for a line inserted at Pos. Lines are cut at '\r' only where no '\n' follows, so after
// such lines a new '\n' would join them into one: there the new line ends in '\r' too.
std::string BreakAt(const std::string& t, size_t pos, const std::string& fileBreak) {
    const size_t lf = pos == 0 ? std::string::npos : t.rfind('\n', pos - 1);
    const size_t from = lf == std::string::npos ? 0 : lf + 1;
    return t.find('\r', from) < pos ? "\r" : fileBreak;
}

bool EndsWithBreak(const std::string& t) { return !t.empty() && (t.back() == '\n' || t.back() == '\r'); }

// Where a new entry of section s goes: after its last non-blank line.
size_t InsertionLine(const TParsed& p, const TSection& s) {
    size_t after = s.First;
    for (size_t i = s.First; i < s.Last; ++i)
        if (p.Lines[i].Kind != TKind::Blank) after = i + 1;
    return after; // the new line goes before line `after` (or at the end of the header line's section)
}

bool SetValue(TParsed& p, const std::string& section, const std::string& key, const std::string& value) {
    std::string& t = p.Doc.Text;
    const std::string fileBreak = LineBreak(t);
    const std::string entry = FromAnsi(p.Doc, key + "=" + value);
    const TSection* s = FindSection(p, section);
    if (!s) {
        const std::string brk = BreakAt(t, t.size(), fileBreak);
        std::string add = (t.empty() || EndsWithBreak(t)) ? "" : brk;
        add += FromAnsi(p.Doc, "[" + section + "]") + brk + entry + brk;
        t += add;
        return true;
    }
    const int at = FindEntry(p, *s, key);
    if (at >= 0) {
        const TLine& line = p.Lines[at];
        const std::string stored = line.HasValue ? t.substr(line.ValueBegin, line.ValueEnd - line.ValueBegin) : "";
        if (line.HasValue && ToAnsi(p.Doc, stored) == value) return false;
        if (line.HasValue)
            t.replace(line.ValueBegin, line.ValueEnd - line.ValueBegin, FromAnsi(p.Doc, value));
        else
            t.insert(line.NameEnd, FromAnsi(p.Doc, "=" + value));
        return true;
    }
    const size_t after = InsertionLine(p, *s);
    if (after == 0) { // the nameless section holds nothing yet: the entry opens the file
        t.insert(0, entry + fileBreak);
        return true;
    }
    const TLine& prev = p.Lines[after - 1];
    const std::string brk = BreakAt(t, prev.Next, fileBreak);
    if (prev.Next == prev.End) // the last line of the file, without a line break
        t.insert(prev.Next, brk + entry);
    else
        t.insert(prev.Next, entry + brk);
    return true;
}

bool DeleteKey(TParsed& p, const std::string& section, const std::string& key) {
    for (const TSection& s : p.Sections) {
        if (!SameName(s.Name, section)) continue;
        const int at = FindEntry(p, s, key);
        if (at < 0) continue;
        p.Doc.Text.erase(p.Lines[at].Begin, p.Lines[at].Next - p.Lines[at].Begin);
        return true;
    }
    return false;
}

bool DeleteSection(TParsed& p, const std::string& section) {
    for (const TSection& s : p.Sections) {
        if (s.Header < 0 || !SameName(s.Name, section)) continue;
        const size_t begin = p.Lines[s.Header].Begin;
        const size_t end = s.Last < p.Lines.size() ? p.Lines[s.Last].Begin : p.Doc.Text.size();
        p.Doc.Text.erase(begin, end - begin);
        return true;
    }
    return false;
}

std::string SkipLeadingBlanks(const std::string& value) {
    size_t b = 0;
    while (b < value.size() && IsBlank(value[b])) ++b;
    return value.substr(b);
}

} // namespace

std::optional<std::string> ProfileLookup(const std::string& FileBytes, const std::string& Section,
                                         const std::string& Key) {
    const TParsed p = Parse(FileBytes);
    const TSection* s = FindSection(p, TrimName(Section));
    if (!s) return std::nullopt;
    const int at = FindEntry(p, *s, TrimName(Key));
    if (at < 0 || !p.Lines[at].HasValue) return std::nullopt;
    const TLine& line = p.Lines[at];
    return ToAnsi(p.Doc, p.Doc.Text.substr(line.ValueBegin, line.ValueEnd - line.ValueBegin));
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
        while (end > 1 && value[end - 1] == ' ') --end; // trailing blanks of the default go, as on Windows
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
    TParsed p = Parse(FileBytes);
    const std::string section = TrimName(Section);
    bool changed;
    if (!Key)
        changed = DeleteSection(p, section);
    else if (!Value)
        changed = DeleteKey(p, section, TrimName(Key));
    else
        changed = SetValue(p, section, TrimName(Key), SkipLeadingBlanks(Value));
    if (changed) FileBytes = Encode(p.Doc);
    return changed;
}
