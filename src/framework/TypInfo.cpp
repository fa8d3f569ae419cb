#include "framework/TypInfo.h"

#include "framework/Graphics.h"

std::optional<int64_t> TEnumInfo::ValueOf(const std::string& Name) const {
    const std::string key = LowerCaseAscii(Name);
    for (size_t i = 0; i < Names.size(); ++i)
        if (LowerCaseAscii(Names[i]) == key) return static_cast<int64_t>(i);
    return std::nullopt;
}

bool TPropInfo::IsStored(const TPersistent& Instance) const {
    if (Stored && !Stored(Instance)) return false;
    switch (Kind) {
    case TPropKind::String:
        return !StrDefault || GetStr(Instance) != *StrDefault;
    case TPropKind::Object:
    case TPropKind::Event:
        return true; // a sub-object is written when any of its own properties is
    case TPropKind::Binary:
        return HasData(Instance);
    default:
        return !OrdDefault || GetOrd(Instance) != *OrdDefault;
    }
}

TPublishedClass::TPublishedClass(std::string ClassName, const TPublishedClass* Parent, std::vector<TPropInfo> Props)
    : FClassName(std::move(ClassName)), FParent(Parent), FProps(std::move(Props)) {}

std::vector<const TPropInfo*> TPublishedClass::Properties() const {
    std::vector<const TPropInfo*> all = FParent ? FParent->Properties() : std::vector<const TPropInfo*>{};
    for (const auto& p : FProps) all.push_back(&p);
    return all;
}

const TPropInfo* TPublishedClass::Find(const std::string& Name) const {
    const std::string key = LowerCaseAscii(Name);
    for (const auto& p : FProps)
        if (LowerCaseAscii(p.Name) == key) return &p;
    return FParent ? FParent->Find(Name) : nullptr;
}

bool TPublishedClass::InheritsFrom(const TPublishedClass& Other) const {
    for (const TPublishedClass* c = this; c; c = c->FParent)
        if (c == &Other) return true;
    return false;
}

const TPublishedClass* PublishedClassOf(const TPersistent& Instance) {
    if (const TPublishedClass* cls = Instance.Published()) return cls;
    return PicturePublishedClassOf(Instance);
}

namespace {
struct TColorIdent {
    int32_t Color;
    const char* Name;
};

// The window framework's colour names: the sixteen standard colours, the system colours, and the
// two special values.
constexpr TColorIdent ColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clSystemColor | 0, "clScrollBar"},
    {clSystemColor | 1, "clBackground"},
    {clSystemColor | 2, "clActiveCaption"},
    {clSystemColor | 3, "clInactiveCaption"},
    {clSystemColor | 4, "clMenu"},
    {clSystemColor | 5, "clWindow"},
    {clSystemColor | 6, "clWindowFrame"},
    {clSystemColor | 7, "clMenuText"},
    {clSystemColor | 8, "clWindowText"},
    {clSystemColor | 9, "clCaptionText"},
    {clSystemColor | 10, "clActiveBorder"},
    {clSystemColor | 11, "clInactiveBorder"},
    {clSystemColor | 12, "clAppWorkSpace"},
    {clSystemColor | 13, "clHighlight"},
    {clSystemColor | 14, "clHighlightText"},
    {clSystemColor | 15, "clBtnFace"},
    {clSystemColor | 16, "clBtnShadow"},
    {clSystemColor | 17, "clGrayText"},
    {clSystemColor | 18, "clBtnText"},
    {clSystemColor | 19, "clInactiveCaptionText"},
    {clSystemColor | 20, "clBtnHighlight"},
    {clSystemColor | 21, "cl3DDkShadow"},
    {clSystemColor | 22, "cl3DLight"},
    {clSystemColor | 23, "clInfoText"},
    {clSystemColor | 24, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};
} // namespace

std::optional<std::string> ColorToIdent(int32_t Color) {
    for (const auto& c : ColorIdents)
        if (c.Color == Color) return std::string(c.Name);
    return std::nullopt;
}

std::optional<int32_t> IdentToColor(const std::string& Ident) {
    const std::string key = LowerCaseAscii(Ident);
    for (const auto& c : ColorIdents)
        if (LowerCaseAscii(c.Name) == key) return c.Color;
    return std::nullopt;
}

TPropInfo published::Binary(std::string Name, std::function<bool(const TPersistent&)> HasData,
                            std::function<void(const TPersistent&, TStream&)> WriteData,
                            std::function<void(TPersistent&, TStream&)> ReadData) {
    TPropInfo p;
    p.Name = std::move(Name);
    p.Kind = TPropKind::Binary;
    p.HasData = std::move(HasData);
    p.WriteData = std::move(WriteData);
    p.ReadData = std::move(ReadData);
    return p;
}
