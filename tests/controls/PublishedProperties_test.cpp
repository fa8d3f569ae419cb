// Every documented property of the fill, the smooth label and its captions, and the gradient, walked
// from the rows below (the documented values, written down by hand) and looked up in the classes'
// property tables: a row whose property is not published fails, and so does a published property
// without a row, so a property added to a table is checked here without a test of its own.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "controls/AdvSmoothLabel.h"
#include "controls/JvGradient.h"
#include "controls/TinyPicture_support.h"
#include "framework/Streaming.h"
#include "framework/TypInfo.h"

namespace {

// Whether a new object's value is written to a description: not while it holds its declared
// default, always, or as the framework decides (not documented for this class).
enum class TStore { Declared, Always, Unstated };
// What one effective change raises: the class's own notice (see TSuite::Own), the framework's (no
// OnChange, at most one repaint request), or nothing because the value is fixed.
enum class TNotice { Own, Framework, Fixed };
constexpr auto D = TStore::Declared, W = TStore::Always, U = TStore::Unstated;
constexpr auto Own = TNotice::Own, Fw = TNotice::Framework, Fixed = TNotice::Fixed;
constexpr bool Copied = true, Kept = false; // by Assign
const std::optional<std::string> Unstated;  // initial value left to the framework

struct TRow {
    const char* Name;
    std::optional<std::string> Initial; // as Shown() renders it
    TStore Store;
    bool AssignCopies;
    TNotice Notice;
};

// Colours as numbers: clNone 0x1FFFFFFF = 536870911, clBlue 0xFF0000 = 16711680.
const std::vector<TRow> FillRows = {
    {"Color", "12632256", D, Copied, Own},
    {"ColorTo", "8421504", D, Copied, Own},
    {"ColorMirror", "536870911", W, Copied, Own},
    {"ColorMirrorTo", "536870911", W, Copied, Own},
    {"GradientType", "gtVertical", W, Copied, Own},
    {"GradientMirrorType", "gtSolid", W, Copied, Own},
    {"HatchStyle", "HatchStyleHorizontal", D, Copied, Own},
    {"HatchStyleMirror", "HatchStyleHorizontal", D, Copied, Own},
    {"BackGroundPictureAspectRatio", "False", D, Copied, Own},
    {"BackGroundPictureMode", "pmOutsideFill", D, Copied, Own},
    {"BackGroundPicture", "empty picture", D, Copied, Own},
    {"BackGroundPicturePosition", "ppTopLeft", D, Copied, Own},
    {"BackGroundPictureLeft", "0", D, Copied, Own},
    {"BackGroundPictureTop", "0", D, Copied, Own},
    {"BackGroundPictureAspectMode", "pmStretch", D, Copied, Own},
    {"Picture", "empty picture", D, Copied, Own},
    {"PicturePosition", "ppTopLeft", D, Copied, Own},
    {"PictureLeft", "0", D, Copied, Own},
    {"PictureTop", "0", D, Copied, Own},
    {"PictureSize", "psOriginal", D, Copied, Own},
    {"PictureWidth", "50", D, Copied, Own},
    {"PictureHeight", "50", D, Copied, Own},
    {"PictureAspectRatio", "False", D, Copied, Own},
    {"PictureAspectMode", "pmStretch", D, Copied, Own},
    {"Opacity", "255", D, Copied, Own},
    {"OpacityTo", "255", D, Copied, Own},
    {"OpacityMirror", "255", D, Copied, Own},
    {"OpacityMirrorTo", "255", D, Copied, Own},
    {"BorderColor", "536870911", W, Copied, Own},
    {"BorderOpacity", "255", D, Copied, Own},
    {"BorderWidth", "1", D, Copied, Own},
    {"Rounding", "0", W, Copied, Own},
    {"RoundingType", "rtBoth", D, Copied, Own},
    {"ShadowColor", "8421504", D, Copied, Own},
    {"ShadowOffset", "0", W, Copied, Own},
    {"ShadowType", "stRightBottom", D, Copied, Own},
    {"Angle", "0", D, Copied, Own},
    {"Glow", "gmNone", W, Copied, Own},
    {"GlowGradientColor", "16777215", D, Copied, Own},
    {"GlowRadialColor", "16777215", D, Copied, Own},
};

// The font is always written (the font declares no defaults) and is the one thing Assign keeps.
const std::vector<TRow> CaptionRows = {
    {"Text", "\"\"", D, Copied, Own},
    {"Location", "plCenterCenter", D, Copied, Own},
    {"Font", "Tahoma, 20 pt", W, Kept, Own},
    {"Left", "0", D, Copied, Own},
    {"Top", "0", D, Copied, Own},
    {"Picture", "empty picture", D, Copied, Own},
    {"ColorStart", "16769183", D, Copied, Own},
    {"ColorEnd", "7687936", D, Copied, Own},
    {"OpacityStart", "255", D, Copied, Own},
    {"OpacityEnd", "255", D, Copied, Own},
    {"GradientType", "gtVertical", D, Copied, Own},
    {"HatchStyle", "HatchStyleHorizontal", D, Copied, Own},
};

// A new fill and a new caption always write something, so both sub-objects are always present.
const std::vector<TRow> LabelRows = {
    {"Left", Unstated, W, Kept, Fw},
    {"Top", Unstated, W, Kept, Fw},
    {"Width", "280", W, Kept, Fw},
    {"Height", "50", W, Kept, Fw},
    {"Fill", "TGDIPFill", W, Copied, Own},
    {"Caption", "TAdvSmoothLabelCaption", W, Copied, Own},
    {"CaptionShadow", "TAdvSmoothLabelCaption", W, Copied, Own},
    {"CaptionShadowVisible", "False", D, Copied, Own},
    {"CaptionShadowOffsetLeft", "1", D, Copied, Own},
    {"CaptionShadowOffsetTop", "1", D, Copied, Own},
    {"Version", "\"1.5.0.1\"", W, Kept, Fixed},
    {"Transparent", "True", D, Copied, Own},
    {"WordWrap", "False", D, Copied, Own},
    {"TextRendering", "tAntiAlias", D, Copied, Own},
    {"Align", "alNone", D, Kept, Fw},
    {"Anchors", "[akLeft,akTop]", D, Kept, Fw},
    {"Constraints", Unstated, U, Kept, Fw},
    {"DragCursor", "-12", D, Kept, Fw},
    {"DragKind", "dkDrag", D, Kept, Fw},
    {"DragMode", "dmManual", D, Kept, Fw},
    {"Visible", "True", D, Kept, Fw},
    {"ShowHint", Unstated, U, Kept, Fw},
    {"PopupMenu", "none", U, Kept, Fw},
};

const std::vector<TRow> GradientRows = {
    {"Left", Unstated, W, Kept, Fw},
    {"Top", Unstated, W, Kept, Fw},
    {"Width", Unstated, W, Kept, Fw},
    {"Height", Unstated, W, Kept, Fw},
    {"Style", "grHorizontal", D, Kept, Own},
    {"StartColor", "16711680", D, Kept, Own},
    {"EndColor", "0", D, Kept, Own},
    {"Steps", "100", D, Kept, Own},
    {"Align", "alClient", D, Kept, Fw},
    {"Enabled", "True", D, Kept, Fw},
    {"Visible", "True", D, Kept, Fw},
    {"ShowHint", "False", D, Kept, Fw},
    {"ParentShowHint", "True", D, Kept, Fw},
    {"PopupMenu", "none", D, Kept, Fw},
};

// ---- The objects under test and what they raise ---------------------------------------------------

struct TCounts {
    int Changes{0};  // OnChange with the object (or its owning label) as sender
    int Repaints{0}; // repaint requests of a control
    bool operator==(const TCounts&) const = default;
};
void PrintTo(const TCounts& C, std::ostream* Out) {
    *Out << C.Changes << " OnChange, " << C.Repaints << " repaint requests";
}

struct TWatchedFill : TGDIPFill {
    TWatchedFill() {
        OnChange = [this](TObject* Sender) { Counts.Changes += Sender == this ? 1 : 100; };
    }
    TCounts Counts;
};

struct TWatchedLabel : TAdvSmoothLabel {
    TWatchedLabel() : TAdvSmoothLabel(nullptr) {
        OnChange = [this](TObject* Sender) { Counts.Changes += Sender == this ? 1 : 100; };
    }
    void Invalidate() override { ++Counts.Repaints; }
    TCounts Counts;
};

struct TWatchedGradient : TJvGradient {
    TWatchedGradient() : TJvGradient(nullptr) {}
    void Invalidate() override { ++Counts.Repaints; }
    TCounts Counts;
};

struct TSubject {
    std::shared_ptr<TPersistent> Holder; // the fill or control that owns Object
    TPersistent* Object{nullptr};
    TCounts* Counts{nullptr};
};

template <class T>
TSubject Whole() {
    auto o = std::make_shared<T>();
    return {o, o.get(), &o->Counts};
}

// A sub-object of a label, which reports every change of it through the label.
template <class T>
TSubject PartOfLabel(T* (TAdvSmoothLabel::*Part)() const) {
    auto l = std::make_shared<TWatchedLabel>();
    return {l, ((*l).*Part)(), &l->Counts};
}

struct TSuite {
    const char* Name;
    const std::vector<TRow>* Rows;
    std::function<TSubject()> Make;
    TCounts Own; // what one effective change of the class's own raises
    bool HasAssign;
};

void PrintTo(const TSuite& S, std::ostream* Out) { *Out << S.Name; }

const TSuite Suites[] = {
    {"Fill", &FillRows, Whole<TWatchedFill>, {1, 0}, true},
    {"LabelFill", &FillRows, [] { return PartOfLabel(&TAdvSmoothLabel::Fill); }, {1, 1}, true},
    {"Caption", &CaptionRows, [] { return PartOfLabel(&TAdvSmoothLabel::Caption); }, {1, 1}, true},
    {"CaptionShadow", &CaptionRows, [] { return PartOfLabel(&TAdvSmoothLabel::CaptionShadow); }, {1, 1}, true},
    {"Label", &LabelRows, Whole<TWatchedLabel>, {1, 1}, true},
    {"Gradient", &GradientRows, Whole<TWatchedGradient>, {0, 1}, false},
};

// ---- Values as text, and other values ------------------------------------------------------------

// A sub-object in a word: an empty picture, the font's name and size, or its class.
std::string Summary(const TPersistent* O) {
    if (!O) return "none";
    if (auto* p = dynamic_cast<const TAdvGDIPPicture*>(O)) return p->Empty() ? "empty picture" : "picture";
    if (auto* f = dynamic_cast<const TFont*>(O)) return f->Name() + ", " + std::to_string(f->Size()) + " pt";
    const TPublishedClass* c = PublishedClassOf(*O);
    return c ? c->ClassName() : "?";
}

std::string Shown(const TPropInfo& P, const TPersistent& O) {
    switch (P.Kind) {
    case TPropKind::Boolean: return P.GetOrd(O) ? "True" : "False";
    case TPropKind::Enumeration: return P.Enum->Names.at(static_cast<size_t>(P.GetOrd(O)));
    case TPropKind::Set: {
        std::string s = "[";
        for (size_t i = 0; i < P.Enum->Names.size(); ++i) {
            if (!(P.GetOrd(O) & (int64_t{1} << i))) continue;
            if (s.size() > 1) s += ',';
            s += P.Enum->Names[i];
        }
        return s + ']';
    }
    case TPropKind::String: return std::string(1, '"').append(P.GetStr(O)).append(1, '"');
    case TPropKind::Object: return Summary(P.GetObject(O));
    case TPropKind::Integer:
    case TPropKind::Color: return std::to_string(P.GetOrd(O));
    default: return "?";
    }
}

// Everything the value holds, for comparing two objects: a sub-object by its stored form.
std::string Content(const TPropInfo& P, const TPersistent& O) {
    if (P.Kind != TPropKind::Object) return Shown(P, O);
    const TPersistent* sub = P.GetObject(O);
    return sub ? WriteObjectText(*sub) : "none";
}

bool SetOther(const TPropInfo& P, TPersistent& O, int Salt);

// Changes a sub-object: a picture gets an image, anything else its first plain property.
bool ChangeObject(TPersistent& Sub, int Salt) {
    if (auto* p = dynamic_cast<TAdvGDIPPicture*>(&Sub)) {
        LoadTiny(*p);
        return true;
    }
    const TPublishedClass* c = PublishedClassOf(Sub);
    for (const TPropInfo* q : c ? c->Properties() : std::vector<const TPropInfo*>{})
        if (q->Kind != TPropKind::Object && SetOther(*q, Sub, Salt)) return true;
    return false;
}

// Sets a value other than the current one, distinct per Salt where the type allows; false for kinds
// that have none (events, binary data, an absent sub-object).
bool SetOther(const TPropInfo& P, TPersistent& O, int Salt) {
    switch (P.Kind) {
    case TPropKind::Integer: {
        const int64_t v = P.GetOrd(O);
        P.SetOrd(O, v + 1 + Salt <= P.MaxValue ? v + 1 + Salt : v - 1 - Salt);
        return true;
    }
    case TPropKind::Color: {
        const int64_t v = P.GetOrd(O), c = 0x102030 + Salt;
        P.SetOrd(O, c == v ? c + 1 : c);
        return true;
    }
    case TPropKind::Boolean: P.SetOrd(O, !P.GetOrd(O)); return true;
    case TPropKind::Enumeration: {
        const auto n = static_cast<int64_t>(P.Enum->Names.size());
        P.SetOrd(O, (P.GetOrd(O) + 1 + Salt % (n - 1)) % n);
        return true;
    }
    case TPropKind::Set: P.SetOrd(O, P.GetOrd(O) ^ (int64_t{1} << (Salt % P.Enum->Names.size()))); return true;
    case TPropKind::String: P.SetStr(O, "Text " + std::to_string(Salt)); return true;
    case TPropKind::Object: {
        TPersistent* sub = P.GetObject(O);
        return sub && ChangeObject(*sub, Salt);
    }
    default: return false;
    }
}

// Sets the value the property holds already (not for sub-objects, which are changed in place).
void SetSame(const TPropInfo& P, TPersistent& O) {
    if (P.Kind == TPropKind::String) P.SetStr(O, P.GetStr(O));
    else if (P.SetOrd) P.SetOrd(O, P.GetOrd(O));
}

bool Written(const TPersistent& O, const std::string& Name) {
    return nlohmann::ordered_json::parse(WriteObjectText(O)).contains(Name);
}

const TRow* RowOf(const TSuite& S, const std::string& Name) {
    for (const TRow& r : *S.Rows)
        if (Name == r.Name) return &r;
    return nullptr;
}

// The documented rows with their published properties; events carry no value and are checked apart.
std::vector<std::pair<const TPropInfo*, const TRow*>> Walk(const TSuite& S, const TPersistent& O) {
    const TPublishedClass& published = *PublishedClassOf(O);
    for (const TPropInfo* p : published.Properties())
        if (p->Kind != TPropKind::Event) {
            EXPECT_NE(RowOf(S, p->Name), nullptr) << S.Name << "." << p->Name << " is published but has no documented row";
        }
    std::vector<std::pair<const TPropInfo*, const TRow*>> walk;
    for (const TRow& row : *S.Rows) {
        const TPropInfo* p = published.Find(row.Name);
        EXPECT_TRUE(p && p->Name == std::string(row.Name) && p->Kind != TPropKind::Event)
            << S.Name << "." << row.Name << " is documented but not published";
        if (p) walk.emplace_back(p, &row);
    }
    EXPECT_FALSE(walk.empty());
    return walk;
}

class PublishedProperties : public ::testing::TestWithParam<TSuite> {};

TEST_P(PublishedProperties, ANewObjectHoldsTheDocumentedValuesAndWritesOnlyTheUndeclared) {
    const TSuite& s = GetParam();
    TSubject n = s.Make();
    for (const TPropInfo* p : PublishedClassOf(*n.Object)->Properties())
        if (p->Kind == TPropKind::Event) {
            EXPECT_FALSE(Written(*n.Object, p->Name)) << p->Name << " unassigned";
        }
    for (auto [p, row] : Walk(s, *n.Object)) {
        SCOPED_TRACE(std::string(s.Name) + "." + p->Name);
        if (row->Initial) {
            EXPECT_EQ(Shown(*p, *n.Object), *row->Initial);
        }
        if (row->Store != TStore::Unstated) {
            EXPECT_EQ(Written(*n.Object, p->Name), row->Store == TStore::Always);
        }
    }
}

TEST_P(PublishedProperties, EachEffectiveChangeIsWrittenAndNotifiedOnce) {
    const TSuite& s = GetParam();
    int salt = 0;
    for (auto [p, row] : Walk(s, *s.Make().Object)) {
        SCOPED_TRACE(std::string(s.Name) + "." + p->Name);
        TSubject n = s.Make();
        const std::string initial = Content(*p, *n.Object);
        *n.Counts = {};
        SetSame(*p, *n.Object);
        EXPECT_EQ(*n.Counts, TCounts{}) << "an equal value notified";
        if (!SetOther(*p, *n.Object, ++salt)) continue; // nothing to set (an absent sub-object)
        const TCounts once = *n.Counts;
        switch (row->Notice) {
        case TNotice::Own: EXPECT_EQ(once, s.Own); break;
        case TNotice::Framework:
            EXPECT_EQ(once.Changes, 0);
            EXPECT_LE(once.Repaints, 1);
            break;
        case TNotice::Fixed:
            EXPECT_EQ(once, TCounts{});
            EXPECT_EQ(Content(*p, *n.Object), initial) << "a fixed value changed";
            continue;
        }
        EXPECT_NE(Content(*p, *n.Object), initial);
        EXPECT_TRUE(Written(*n.Object, p->Name)) << "a changed value is not written";
        SetSame(*p, *n.Object);
        EXPECT_EQ(*n.Counts, once) << "setting the new value again notified";
    }
}

// Every property at once, each to a value of its own, so that a value read into or copied to the
// wrong property shows as well as one that is lost.
TEST_P(PublishedProperties, EverySettingSurvivesADescriptionAndAnAssign) {
    const TSuite& s = GetParam();
    TSubject source = s.Make(), read = s.Make(), copy = s.Make(), fresh = s.Make();
    const auto walk = Walk(s, *source.Object);
    int salt = 0;
    for (auto [p, row] : walk) SetOther(*p, *source.Object, ++salt);
    ReadObjectText(*read.Object, WriteObjectText(*source.Object), s.Name);
    if (s.HasAssign) copy.Object->Assign(source.Object);
    for (auto [p, row] : walk) {
        SCOPED_TRACE(std::string(s.Name) + "." + p->Name);
        EXPECT_EQ(Content(*p, *read.Object), Content(*p, *source.Object)) << "lost in the description";
        if (!s.HasAssign) continue;
        const TSubject& expected = row->AssignCopies ? source : fresh;
        EXPECT_EQ(Content(*p, *copy.Object), Content(*p, *expected.Object))
            << (row->AssignCopies ? "not copied by Assign" : "copied by Assign");
    }
}

// Every property the Parts list beyond the classes' own, named in a description with a value other
// than its default, loads and reads back; a name a class does not publish would fail with
// "Eigenschaft ... existiert nicht". The framework keeps these values without acting on them.
TEST(PublishedPropertiesInDescriptions, EveryListedFrameworkPropertyLoads) {
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 100, 80);
    TJvGradient gradient(nullptr);
    gradient.SetParent(&parent);
    ReadObjectText(gradient, R"({"Align": "alCustom", "Enabled": false, "ShowHint": true,
                                 "ParentShowHint": false, "PopupMenu": null})");
    gradient.SetBounds(5, 6, 30, 40);
    parent.AlignControls();
    EXPECT_EQ(gradient.Align(), alCustom);
    EXPECT_EQ(gradient.BoundsRect(), Bounds(5, 6, 30, 40)) << "alCustom places nothing";
    EXPECT_FALSE(gradient.Enabled());
    EXPECT_TRUE(gradient.ShowHint());
    EXPECT_FALSE(gradient.ParentShowHint());
    EXPECT_EQ(gradient.PopupMenu(), nullptr);

    const char* events[] = {"OnMouseMove", "OnMouseUp", "OnMouseDown", "OnResize", "OnClick",
                            "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                            "OnEndDrag", "OnStartDock", "OnStartDrag"};
    nlohmann::ordered_json props = nlohmann::ordered_json::parse(
        R"({"Anchors": ["akRight", "akBottom"], "Constraints": {"MaxHeight": 60, "MinWidth": 10},
            "DragCursor": -13, "DragKind": "dkDock", "DragMode": "dmAutomatic", "ShowHint": true,
            "PopupMenu": null})");
    for (const char* e : events) props[e] = std::string("Label") + (e + 2);
    const nlohmann::ordered_json text = {{"class", "TAdvSmoothLabel"}, {"name", "Label"}, {"properties", props}};
    TAdvSmoothLabel label(nullptr);
    std::vector<std::string> bound;
    ReadComponentTextInto(label, text.dump(), [&](const std::string& Name) -> TNotifyEvent {
        bound.push_back(Name);
        return [](TObject*) {};
    });
    EXPECT_EQ(label.Anchors(), AnchorSet({akRight, akBottom}));
    EXPECT_EQ(label.Constraints()->MaxHeight(), 60);
    EXPECT_EQ(label.Constraints()->MinWidth(), 10);
    EXPECT_EQ(label.Constraints()->MaxWidth(), 0);
    EXPECT_EQ(label.DragCursor(), -13);
    EXPECT_EQ(label.DragKind(), dkDock);
    EXPECT_EQ(label.DragMode(), dmAutomatic);
    EXPECT_TRUE(label.ShowHint());
    ASSERT_EQ(bound.size(), std::size(events));
    const TNotifyEvent TControl::*fields[] = {
        &TControl::OnMouseMove, &TControl::OnMouseUp, &TControl::OnMouseDown, &TControl::OnResize,
        &TControl::OnClick, &TControl::OnContextPopup, &TControl::OnDblClick, &TControl::OnDragDrop,
        &TControl::OnDragOver, &TControl::OnEndDock, &TControl::OnEndDrag, &TControl::OnStartDock,
        &TControl::OnStartDrag};
    for (const auto field : fields) EXPECT_TRUE(label.*field);
    // Written back as they were read, each event by its handler's name.
    const auto written = nlohmann::ordered_json::parse(WriteComponentText(label))["properties"];
    for (const auto& [name, value] : props.items())
        if (!value.is_null()) {
            EXPECT_EQ(written.value(name, nlohmann::ordered_json()), value) << name;
        }
    EXPECT_FALSE(written.contains("PopupMenu"));
}

INSTANTIATE_TEST_SUITE_P(Controls, PublishedProperties, ::testing::ValuesIn(Suites),
                         [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
