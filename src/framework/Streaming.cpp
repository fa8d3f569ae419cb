#include "framework/Streaming.h"

#include <array>
#include <cstring>
#include <map>
#include <nlohmann/json.hpp>

using json = nlohmann::ordered_json;

namespace {
// Bounds of a description, far above what a window needs, so that hostile text ends in the reader's
// error instead of exhausting the stack, the memory or the time (members of an object and components
// are looked up by name, so their counts are bounded too).
constexpr size_t kMaxTextSize = 16u << 20;
constexpr int kMaxDepth = 64;
constexpr size_t kMaxStringSize = 8u << 20;
constexpr size_t kMaxMembers = 1024;    // of one object
constexpr size_t kMaxComponents = 4096; // of one description
constexpr size_t kMaxBinarySize = 8u << 20;
const std::string kReadError = "Fehler beim Lesen der Fensterbeschreibung: ";
} // namespace

// ---- Component classes ---------------------------------------------------------------------------

namespace {
std::map<std::string, TComponentRegistry::TFactory>& ComponentClasses() {
    static std::map<std::string, TComponentRegistry::TFactory> classes;
    return classes;
}
} // namespace

void TComponentRegistry::RegisterClass(const std::string& ClassName, TFactory Factory) {
    ComponentClasses()[ClassName] = std::move(Factory);
}

void TComponentRegistry::UnregisterClass(const std::string& ClassName) { ComponentClasses().erase(ClassName); }

bool TComponentRegistry::IsRegistered(const std::string& ClassName) { return ComponentClasses().count(ClassName) != 0; }

TComponent* TComponentRegistry::Create(const std::string& ClassName, TComponent* Owner) {
    const auto it = ComponentClasses().find(ClassName);
    if (it == ComponentClasses().end()) throw EClassNotFound("Klasse " + ClassName + " nicht gefunden");
    return it->second(Owner);
}

// ---- Base64 (binary data) ------------------------------------------------------------------------

namespace {
constexpr char Base64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t Base64LineLength = 76;

json EncodeBase64Lines(const std::vector<uint8_t>& Bytes) {
    std::string text;
    for (size_t i = 0; i < Bytes.size(); i += 3) {
        const uint32_t n = (Bytes[i] << 16) | ((i + 1 < Bytes.size() ? Bytes[i + 1] : 0) << 8) |
                           (i + 2 < Bytes.size() ? Bytes[i + 2] : 0);
        text += Base64Digits[(n >> 18) & 63];
        text += Base64Digits[(n >> 12) & 63];
        text += i + 1 < Bytes.size() ? Base64Digits[(n >> 6) & 63] : '=';
        text += i + 2 < Bytes.size() ? Base64Digits[n & 63] : '=';
    }
    json lines = json::array();
    for (size_t i = 0; i < text.size(); i += Base64LineLength) lines.push_back(text.substr(i, Base64LineLength));
    return lines;
}

// The value of each base-64 digit by character code, -1 for a character that is no digit.
constexpr std::array<int8_t, 256> Base64Values = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i) values[static_cast<uint8_t>(Base64Digits[i])] = static_cast<int8_t>(i);
    return values;
}();

std::vector<uint8_t> DecodeBase64(const std::string& Text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(Text.size() / 4 * 3);
    uint32_t bits = 0;
    int count = 0;
    size_t pad = 0;
    for (char c : Text) {
        if (c == '=') {
            ++pad;
            continue;
        }
        const int value = Base64Values[static_cast<uint8_t>(c)];
        if (value < 0 || pad) throw EReadError("Ung\xFC" "ltige Bin\xE4rdaten");
        bits = (bits << 6) | static_cast<uint32_t>(value);
        if (++count == 4) {
            bytes.push_back(static_cast<uint8_t>(bits >> 16));
            bytes.push_back(static_cast<uint8_t>(bits >> 8));
            bytes.push_back(static_cast<uint8_t>(bits));
            bits = 0;
            count = 0;
        }
    }
    if (count == 1 || (count + pad) % 4 != 0) throw EReadError("Ung\xFC" "ltige Bin\xE4rdaten");
    if (count == 2) bytes.push_back(static_cast<uint8_t>(bits >> 4));
    if (count == 3) {
        bytes.push_back(static_cast<uint8_t>(bits >> 10));
        bytes.push_back(static_cast<uint8_t>(bits >> 2));
    }
    return bytes;
}
} // namespace

// ---- Writing -------------------------------------------------------------------------------------

namespace {
json WriteProperties(const TPersistent& Instance);

json WriteValue(const TPropInfo& p, const TPersistent& Instance) {
    switch (p.Kind) {
    case TPropKind::Integer:
        return p.GetOrd(Instance);
    case TPropKind::Boolean:
        return p.GetOrd(Instance) != 0;
    case TPropKind::Enumeration: {
        const int64_t v = p.GetOrd(Instance);
        if (v >= 0 && v < static_cast<int64_t>(p.Enum->Names.size())) return p.Enum->Names[static_cast<size_t>(v)];
        return v;
    }
    case TPropKind::Set: {
        json names = json::array();
        const int64_t v = p.GetOrd(Instance);
        for (size_t i = 0; i < p.Enum->Names.size(); ++i)
            if (v & (int64_t{1} << i)) names.push_back(p.Enum->Names[i]);
        return names;
    }
    case TPropKind::Color: {
        const auto color = static_cast<int32_t>(p.GetOrd(Instance));
        if (auto ident = ColorToIdent(color)) return *ident;
        return color;
    }
    case TPropKind::String:
        return AnsiToUtf8(p.GetStr(Instance));
    case TPropKind::Object: {
        const TPersistent* sub = p.GetObject(Instance);
        return sub ? WriteProperties(*sub) : json::object();
    }
    case TPropKind::Binary: {
        TMemoryStream data;
        p.WriteData(Instance, data);
        return EncodeBase64Lines(data.Bytes());
    }
    case TPropKind::Event:
        break;
    }
    return nullptr;
}

json WriteProperties(const TPersistent& Instance) {
    json props = json::object();
    const TPublishedClass* cls = PublishedClassOf(Instance);
    if (!cls) return props;
    const auto* component = dynamic_cast<const TComponent*>(&Instance);
    for (const TPropInfo* p : cls->Properties()) {
        if (p->Kind == TPropKind::Event) {
            // Events are stored by the name of the handler they were bound to by name.
            const std::string method = component ? component->MethodName(p->Name) : std::string();
            if (!method.empty()) props[p->Name] = AnsiToUtf8(method);
            continue;
        }
        if (!p->IsStored(Instance)) continue;
        json value = WriteValue(*p, Instance);
        if (p->Kind == TPropKind::Object && value.empty()) continue; // nothing of it differs
        props[p->Name] = std::move(value);
    }
    return props;
}

// Components nested in Parent: those owned by Root whose parent component is Parent (the root's
// direct children have Root or none), in the order Root owns them.
std::vector<TComponent*> StoredChildren(const TComponent& Root, const TComponent& Parent) {
    std::vector<TComponent*> children;
    for (int i = 0; i < Root.ComponentCount(); ++i) {
        TComponent* c = Root.Components(i);
        const TComponent* parent = c->ParentComponent();
        if (parent == &Parent || (&Parent == &Root && parent == nullptr)) children.push_back(c);
    }
    return children;
}

json WriteComponent(const TComponent& Root, const TComponent& Component) {
    const TPublishedClass* cls = PublishedClassOf(Component);
    if (!cls) throw EStreamError("Die Komponente " + Component.Name() + " ver\xF6" "ffentlicht keine Klasse");
    json node = json::object();
    node["class"] = cls->ClassName();
    node["name"] = AnsiToUtf8(Component.Name());
    json props = WriteProperties(Component);
    if (!props.empty()) node["properties"] = std::move(props);
    json children = json::array();
    for (TComponent* child : StoredChildren(Root, Component)) children.push_back(WriteComponent(Root, *child));
    if (!children.empty()) node["components"] = std::move(children);
    return node;
}
} // namespace

std::string WriteObjectText(const TPersistent& Instance) { return WriteProperties(Instance).dump(2) + "\n"; }

std::string WriteComponentText(const TComponent& Root) { return WriteComponent(Root, Root).dump(2) + "\n"; }

// ---- Reading -------------------------------------------------------------------------------------

namespace {
class TReader {
public:
    explicit TReader(TMethodResolver Methods) : FMethods(std::move(Methods)) {}

    void ReadProperties(TPersistent& Instance, const json& Props, const std::string& Context);
    void ReadComponent(TComponent& Root, TComponent& Component, const json& Node, const std::string& Context);
    void FinishLoading();

private:
    void ReadValue(const TPropInfo& p, TPersistent& Instance, const json& Value, const std::string& Path);
    int64_t OrdinalOf(const TPropInfo& p, const json& Value, const std::string& Path) const;

    TMethodResolver FMethods;
    std::vector<TComponent*> FLoaded;
    size_t FComponents{0};
};

[[noreturn]] void Fail(const std::string& Path, const std::string& What) {
    throw EReadError("Fehler beim Lesen von " + Path + ": " + What);
}

std::string Join(const std::string& Context, const std::string& Name) {
    return Context.empty() ? Name : Context + "." + Name;
}

const std::string InvalidValue = "Ung\xFC" "ltiger Eigenschaftswert";

int64_t TReader::OrdinalOf(const TPropInfo& p, const json& Value, const std::string& Path) const {
    int64_t v = 0;
    switch (p.Kind) {
    case TPropKind::Boolean:
        if (!Value.is_boolean()) Fail(Path, InvalidValue);
        return Value.get<bool>() ? 1 : 0;
    case TPropKind::Enumeration: {
        if (!Value.is_string()) Fail(Path, InvalidValue);
        const auto ord = p.Enum->ValueOf(Value.get<std::string>());
        if (!ord) Fail(Path, InvalidValue + " " + Value.get<std::string>());
        return *ord;
    }
    case TPropKind::Set:
        if (!Value.is_array()) Fail(Path, InvalidValue);
        for (const auto& name : Value) {
            const auto ord = name.is_string() ? p.Enum->ValueOf(name.get<std::string>()) : std::nullopt;
            if (!ord) Fail(Path, InvalidValue + " " + name.dump());
            v |= int64_t{1} << *ord;
        }
        return v;
    case TPropKind::Color:
        if (Value.is_string()) {
            const auto color = IdentToColor(Value.get<std::string>());
            if (!color) Fail(Path, InvalidValue + " " + Value.get<std::string>());
            return *color;
        }
        if (!Value.is_number_integer()) Fail(Path, InvalidValue);
        v = Value.get<int64_t>();
        if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<uint32_t>::max())
            Fail(Path, InvalidValue + " " + Value.dump());
        return static_cast<int32_t>(static_cast<uint32_t>(v)); // 0xFF0000xx is a system colour
    default:
        if (!Value.is_number_integer()) Fail(Path, InvalidValue);
        v = Value.get<int64_t>();
        if (v < p.MinValue || v > p.MaxValue) Fail(Path, InvalidValue + " " + Value.dump());
        return v;
    }
}

void TReader::ReadValue(const TPropInfo& p, TPersistent& Instance, const json& Value, const std::string& Path) {
    switch (p.Kind) {
    case TPropKind::String:
        if (!Value.is_string()) Fail(Path, InvalidValue);
        p.SetStr(Instance, Utf8ToAnsi(Value.get<std::string>()));
        return;
    case TPropKind::Object: {
        TPersistent* sub = p.GetObject(Instance);
        if (Value.is_null() && !sub) return; // a reference that names nothing
        if (!Value.is_object()) Fail(Path, InvalidValue);
        if (!sub) Fail(Path, InvalidValue);
        ReadProperties(*sub, Value, Path);
        return;
    }
    case TPropKind::Binary: {
        std::string text;
        if (Value.is_string()) text = Value.get<std::string>();
        else if (Value.is_array())
            for (const auto& line : Value) {
                if (!line.is_string()) Fail(Path, InvalidValue);
                text += line.get_ref<const std::string&>();
            }
        else Fail(Path, InvalidValue);
        if (text.size() / 4 * 3 > kMaxBinarySize) Fail(Path, "Bin\xE4rdaten zu gro\xDF");
        std::vector<uint8_t> bytes;
        try {
            bytes = DecodeBase64(text);
        } catch (const EReadError& e) {
            Fail(Path, e.Message());
        }
        TMemoryStream data;
        data.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        data.SetPosition(0);
        p.ReadData(Instance, data);
        return;
    }
    case TPropKind::Event: {
        if (!Value.is_string()) Fail(Path, InvalidValue);
        TNotifyEvent handler = FMethods ? FMethods(Value.get<std::string>()) : TNotifyEvent{};
        if (!handler) Fail(Path, "Methode " + Value.get<std::string>() + " nicht gefunden");
        p.SetEvent(Instance, std::move(handler));
        if (auto* component = dynamic_cast<TComponent*>(&Instance))
            component->SetMethodName(p.Name, Utf8ToAnsi(Value.get<std::string>()));
        return;
    }
    default:
        p.SetOrd(Instance, OrdinalOf(p, Value, Path));
    }
}

void TReader::ReadProperties(TPersistent& Instance, const json& Props, const std::string& Context) {
    if (!Props.is_object()) Fail(Context, InvalidValue);
    const TPublishedClass* cls = PublishedClassOf(Instance);
    for (const auto& [name, value] : Props.items()) {
        const std::string ansiName = Utf8ToAnsi(name);
        const std::string path = Join(Context, ansiName);
        const TPropInfo* p = cls ? cls->Find(ansiName) : nullptr;
        if (!p) Fail(path, "Eigenschaft " + ansiName + " existiert nicht");
        ReadValue(*p, Instance, value, path);
    }
}

void TReader::ReadComponent(TComponent& Root, TComponent& Component, const json& Node, const std::string& Context) {
    if (++FComponents > kMaxComponents) Fail(Context, "zu viele Komponenten");
    FLoaded.push_back(&Component);
    Component.SetLoading(true);
    for (const auto& [key, value] : Node.items())
        if (key != "class" && key != "name" && key != "properties" && key != "components")
            Fail(Context, "Unbekannter Eintrag " + Utf8ToAnsi(key));
    if (Node.contains("properties")) ReadProperties(Component, Node["properties"], Context);
    if (!Node.contains("components")) return;
    if (!Node["components"].is_array()) Fail(Context, InvalidValue);
    for (const json& childNode : Node["components"]) {
        if (!childNode.is_object() || !childNode.contains("class") || !childNode["class"].is_string() ||
            !childNode.contains("name") || !childNode["name"].is_string())
            Fail(Context, "Komponente ohne Klasse oder Name");
        const std::string className = childNode["class"].get<std::string>();
        const std::string name = Utf8ToAnsi(childNode["name"].get<std::string>());
        TComponent* child = Root.FindComponent(name);
        try {
            if (!child) child = TComponentRegistry::Create(className, &Root);
        } catch (const EClassNotFound& e) {
            Fail(name, e.Message());
        }
        const TPublishedClass* cls = PublishedClassOf(*child);
        if (!cls || cls->ClassName() != className) Fail(name, "Klasse " + className + " erwartet");
        child->SetName(name);
        child->SetParentComponent(&Component);
        ReadComponent(Root, *child, childNode, name);
    }
}

void TReader::FinishLoading() {
    for (TComponent* c : FLoaded) c->SetLoading(false);
    for (TComponent* c : FLoaded) c->Loaded();
}

// Checks a description's bounds in one pass over the text, before it is parsed into a tree: the
// parser's own callback would scan each finished object again and take quadratic time.
class TBoundsCheck : public nlohmann::json_sax<json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t& Value) override { return CheckString(Value); }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return Open(); }
    bool key(string_t& Name) override {
        if (++FMembers.back() > kMaxMembers) throw EReadError(kReadError + "zu viele Eintr\xE4ge");
        return CheckString(Name);
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(); }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& Error) override {
        throw EReadError(kReadError + Error.what());
    }

private:
    static bool CheckString(const string_t& Text) {
        if (Text.size() > kMaxStringSize) throw EReadError(kReadError + "Text zu lang");
        return true;
    }
    // At most kMaxDepth containers are open at once, the outermost included.
    bool Open() {
        if (FMembers.size() >= static_cast<size_t>(kMaxDepth)) throw EReadError(kReadError + "zu tief verschachtelt");
        FMembers.push_back(0);
        return true;
    }
    bool Close() {
        FMembers.pop_back();
        return true;
    }
    std::vector<size_t> FMembers; // members so far of each open container
};

json Parse(const std::string& Text) {
    if (Text.size() > kMaxTextSize) throw EReadError(kReadError + "Text zu lang");
    TBoundsCheck bounds;
    try {
        json::sax_parse(Text, &bounds);
        return json::parse(Text);
    } catch (const json::exception& e) {
        throw EReadError(kReadError + e.what());
    }
}

void CheckRootNode(const json& Node) {
    if (!Node.is_object() || !Node.contains("class") || !Node["class"].is_string())
        throw EReadError("Fehler beim Lesen der Fensterbeschreibung: keine Klasse angegeben");
}
} // namespace

void ReadObjectText(TPersistent& Instance, const std::string& Text, const std::string& Context) {
    TReader reader({});
    reader.ReadProperties(Instance, Parse(Text), Context);
}

void ReadComponentTextInto(TComponent& Root, const std::string& Text, TMethodResolver Methods) {
    const json node = Parse(Text);
    CheckRootNode(node);
    const TPublishedClass* cls = PublishedClassOf(Root);
    const std::string className = node["class"].get<std::string>();
    if (!cls || cls->ClassName() != className)
        throw EReadError("Fehler beim Lesen der Fensterbeschreibung: Klasse " + className + " erwartet");
    if (node.contains("name")) {
        if (!node["name"].is_string()) throw EReadError("Fehler beim Lesen der Fensterbeschreibung: " + InvalidValue);
        Root.SetName(Utf8ToAnsi(node["name"].get<std::string>()));
    }
    TReader reader(std::move(Methods));
    try {
        reader.ReadComponent(Root, Root, node, Root.Name().empty() ? className : Root.Name());
    } catch (...) {
        reader.FinishLoading();
        throw;
    }
    reader.FinishLoading();
}

TComponent* ReadComponentText(const std::string& Text, TComponent* Owner, TMethodResolver Methods) {
    const json node = Parse(Text);
    CheckRootNode(node);
    std::unique_ptr<TComponent> root(TComponentRegistry::Create(node["class"].get<std::string>(), Owner));
    ReadComponentTextInto(*root, Text, std::move(Methods));
    return root.release();
}
