#pragma once
// Published properties: each class that is stored in a window description declares its properties
// once, in declaration order, with their declared defaults and their getters and setters. The
// stored description (Streaming.h) is written and read from these declarations only.
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/Classes.h"

enum class TPropKind { Integer, Boolean, Enumeration, Set, Color, String, Object, Binary, Event };

// The names of an enumeration's values, ordinal 0 first.
struct TEnumInfo {
    std::string TypeName;
    std::vector<std::string> Names;
    // The ordinal of Name (compared without regard to ASCII case), or nothing.
    std::optional<int64_t> ValueOf(const std::string& Name) const;
};

struct TPropInfo {
    std::string Name;
    TPropKind Kind{TPropKind::Integer};
    std::optional<int64_t> OrdDefault;       // ordinal kinds: the declared default
    std::optional<std::string> StrDefault;   // strings: the declared default
    int64_t MinValue{std::numeric_limits<int32_t>::min()};
    int64_t MaxValue{std::numeric_limits<int32_t>::max()};
    const TEnumInfo* Enum{nullptr};          // enumerations and sets

    std::function<int64_t(const TPersistent&)> GetOrd;
    std::function<void(TPersistent&, int64_t)> SetOrd;
    std::function<std::string(const TPersistent&)> GetStr;
    std::function<void(TPersistent&, const std::string&)> SetStr;
    // Nested object: the sub-object itself, whose own properties are stored under this name.
    std::function<TPersistent*(const TPersistent&)> GetObject;
    // Binary data: whether there is any to store, how it is written, how it is read back.
    std::function<bool(const TPersistent&)> HasData;
    std::function<void(const TPersistent&, TStream&)> WriteData;
    std::function<void(TPersistent&, TStream&)> ReadData;
    // Events are bound by handler name when a description is read.
    std::function<void(TPersistent&, TNotifyEvent)> SetEvent;
    // Whether the property is written at all for Instance (a control's font is not while it follows
    // the parent's); unset means always.
    std::function<bool(const TPersistent&)> Stored;

    // Whether the value held by Instance must be written (it differs from the declared default).
    bool IsStored(const TPersistent& Instance) const;
};

// The published interface of one class: its name, its parent's and its own properties.
class TPublishedClass {
public:
    TPublishedClass(std::string ClassName, const TPublishedClass* Parent, std::vector<TPropInfo> Props);
    const std::string& ClassName() const { return FClassName; }
    const TPublishedClass* Parent() const { return FParent; }
    // Inherited properties first, each class's in declaration order.
    std::vector<const TPropInfo*> Properties() const;
    // Compared without regard to ASCII case; null when the class has no such property.
    const TPropInfo* Find(const std::string& Name) const;
    bool InheritsFrom(const TPublishedClass& Other) const;

private:
    std::string FClassName;
    const TPublishedClass* FParent{nullptr};
    std::vector<TPropInfo> FProps;
};

// The published interface of an object (graphics and pictures publish their "Data"), or null when
// it publishes nothing.
const TPublishedClass* PublishedClassOf(const TPersistent& Instance);
// The stored "Data" of graphics and pictures (PictureData.cpp), or null for other objects.
const TPublishedClass* PicturePublishedClassOf(const TPersistent& Instance);

// ---- Declaring properties ------------------------------------------------------------------------
// Getters are const member functions named after the property, setters `Set…` members taking the
// value; the ordinal range checked at reading follows the setter's parameter type.
namespace published {

template <class A>
constexpr void SetRange(TPropInfo& p) {
    using V = std::decay_t<A>;
    if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool>) {
        p.MinValue = std::numeric_limits<V>::min();
        p.MaxValue = std::numeric_limits<V>::max();
    }
}

template <class T, class R, class A>
TPropInfo Ordinal(std::string Name, TPropKind Kind, R (T::*Get)() const, void (T::*Set)(A),
                  std::optional<int64_t> Default, const TEnumInfo* Enum = nullptr) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = Kind;
    p.OrdDefault = Default;
    p.Enum = Enum;
    SetRange<A>(p);
    if (Enum && Kind == TPropKind::Enumeration) {
        p.MinValue = 0;
        p.MaxValue = static_cast<int64_t>(Enum->Names.size()) - 1;
    }
    if (Kind == TPropKind::Color) p.MinValue = std::numeric_limits<int32_t>::min();
    p.GetOrd = [Get](const TPersistent& o) { return static_cast<int64_t>((static_cast<const T&>(o).*Get)()); };
    p.SetOrd = [Set](TPersistent& o, int64_t v) { (static_cast<T&>(o).*Set)(static_cast<std::decay_t<A>>(v)); };
    return p;
}

template <class T, class R, class A>
TPropInfo Integer(std::string Name, R (T::*Get)() const, void (T::*Set)(A), std::optional<int64_t> Default) {
    return Ordinal(std::move(Name), TPropKind::Integer, Get, Set, Default);
}

template <class T, class A>
TPropInfo Boolean(std::string Name, bool (T::*Get)() const, void (T::*Set)(A), std::optional<bool> Default) {
    std::optional<int64_t> d;
    if (Default) d = *Default ? 1 : 0;
    auto p = Ordinal(std::move(Name), TPropKind::Boolean, Get, Set, d);
    p.MinValue = 0;
    p.MaxValue = 1;
    return p;
}

template <class T, class R, class A>
TPropInfo Enumeration(std::string Name, const TEnumInfo& Enum, R (T::*Get)() const, void (T::*Set)(A),
                      std::optional<int64_t> Default) {
    return Ordinal(std::move(Name), TPropKind::Enumeration, Get, Set, Default, &Enum);
}

// A set of a small enumeration, held as a bit mask (bit n = ordinal n).
template <class T, class R, class A>
TPropInfo Set(std::string Name, const TEnumInfo& Enum, R (T::*Get)() const, void (T::*Put)(A),
              std::optional<int64_t> Default) {
    auto p = Ordinal(std::move(Name), TPropKind::Set, Get, Put, Default, &Enum);
    p.MinValue = 0;
    p.MaxValue = (int64_t{1} << Enum.Names.size()) - 1;
    return p;
}

template <class T, class R, class A>
TPropInfo Color(std::string Name, R (T::*Get)() const, void (T::*Set)(A), std::optional<int64_t> Default) {
    return Ordinal(std::move(Name), TPropKind::Color, Get, Set, Default);
}

template <class T, class R, class A>
TPropInfo String(std::string Name, R (T::*Get)() const, void (T::*Set)(A), std::optional<std::string> Default) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = TPropKind::String;
    p.StrDefault = std::move(Default);
    p.GetStr = [Get](const TPersistent& o) { return std::string((static_cast<const T&>(o).*Get)()); };
    p.SetStr = [Set](TPersistent& o, const std::string& v) { (static_cast<T&>(o).*Set)(v); };
    return p;
}

template <class T, class O>
TPropInfo Object(std::string Name, O* (T::*Get)() const) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = TPropKind::Object;
    p.GetObject = [Get](const TPersistent& o) -> TPersistent* { return (static_cast<const T&>(o).*Get)(); };
    return p;
}

template <class T>
TPropInfo Event(std::string Name, TNotifyEvent T::*Field) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = TPropKind::Event;
    p.SetEvent = [Field](TPersistent& o, TNotifyEvent e) { static_cast<T&>(o).*Field = std::move(e); };
    return p;
}

} // namespace published

// ---- Colours by name -----------------------------------------------------------------------------
// The name of a colour that has one (clWhite, clNone, clBtnFace, ...), or nothing.
std::optional<std::string> ColorToIdent(int32_t Color);
// The colour of a name, compared without regard to ASCII case, or nothing.
std::optional<int32_t> IdentToColor(const std::string& Ident);

namespace published {
// Binary data (a picture's bytes), written only when HasData says there is some.
TPropInfo Binary(std::string Name, std::function<bool(const TPersistent&)> HasData,
                 std::function<void(const TPersistent&, TStream&)> WriteData,
                 std::function<void(TPersistent&, TStream&)> ReadData);
} // namespace published
