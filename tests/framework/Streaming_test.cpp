#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "framework/Font.h"
#include "framework/Streaming.h"

// Objects of the shapes the window's classes have: every kind of property, a sub-object, binary
// data, and components nested in parents.
namespace {
enum TShape { shNone, shRound, shSquare };
const TEnumInfo ShapeInfo{"TShape", {"shNone", "shRound", "shSquare"}};

class TInner : public TPersistent {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; ++Sets; }
    int Sets{0};
    const TPublishedClass* Published() const override;

private:
    TColor FColor{clNone};
};

class TSample : public TPersistent {
public:
    int Count() const { return FCount; }
    void SetCount(int V) { FCount = V; Calls.push_back("Count"); }
    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t V) { FOpacity = V; Calls.push_back("Opacity"); }
    bool Flag() const { return FFlag; }
    void SetFlag(bool V) { FFlag = V; Calls.push_back("Flag"); }
    TShape Shape() const { return FShape; }
    void SetShape(TShape V) { FShape = V; Calls.push_back("Shape"); }
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; Calls.push_back("Color"); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& V) { FText = V; Calls.push_back("Text"); }
    TInner* Inner() const { return FInner.get(); }
    TFont* Font() const { return FFont.get(); }
    const std::vector<uint8_t>& Blob() const { return FBlob; }
    void SetBlob(std::vector<uint8_t> V) { FBlob = std::move(V); }
    const TPublishedClass* Published() const override;

    std::vector<std::string> Calls;

private:
    int FCount{7};
    uint8_t FOpacity{255};
    bool FFlag{false};
    TShape FShape{shRound};
    TColor FColor{clSilver};
    std::string FText;
    std::unique_ptr<TInner> FInner = std::make_unique<TInner>();
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    std::vector<uint8_t> FBlob;
};

const TPublishedClass InnerClass("TInner", nullptr,
                                 {published::Color("Color", &TInner::Color, &TInner::SetColor, std::nullopt)});
const TPublishedClass* TInner::Published() const { return &InnerClass; }

// Count and Shape have no declared default, so they are always written.
const TPublishedClass SampleClass(
    "TSample", nullptr,
    {published::Integer("Count", &TSample::Count, &TSample::SetCount, std::nullopt),
     published::Integer("Opacity", &TSample::Opacity, &TSample::SetOpacity, 255),
     published::Boolean("Flag", &TSample::Flag, &TSample::SetFlag, false),
     published::Enumeration("Shape", ShapeInfo, &TSample::Shape, &TSample::SetShape, std::nullopt),
     published::Color("Color", &TSample::Color, &TSample::SetColor, clSilver),
     published::String("Text", &TSample::Text, &TSample::SetText, ""),
     published::Object("Inner", &TSample::Inner),
     published::Object("Font", &TSample::Font),
     published::Binary(
         "Blob", [](const TPersistent& o) { return !static_cast<const TSample&>(o).Blob().empty(); },
         [](const TPersistent& o, TStream& s) {
             const auto& b = static_cast<const TSample&>(o).Blob();
             s.WriteBuffer(b.data(), static_cast<int64_t>(b.size()));
         },
         [](TPersistent& o, TStream& s) {
             std::vector<uint8_t> b(static_cast<size_t>(s.Size()));
             s.ReadBuffer(b.data(), static_cast<int64_t>(b.size()));
             static_cast<TSample&>(o).SetBlob(std::move(b));
         })});
const TPublishedClass* TSample::Published() const { return &SampleClass; }

nlohmann::ordered_json Parsed(const std::string& Text) { return nlohmann::ordered_json::parse(Text); }

std::string ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const EReadError& e) {
        return e.Message();
    }
    return "(no error)";
}
} // namespace

TEST(Streaming, WritesOnlyPropertiesWithoutTheirDeclaredDefaultInDeclarationOrder) {
    TSample s;
    const auto j = Parsed(WriteObjectText(s));
    std::vector<std::string> keys;
    for (const auto& [k, v] : j.items()) keys.push_back(k);
    // Inner's colour has no declared default and the font declares none either.
    EXPECT_EQ(keys, (std::vector<std::string>{"Count", "Shape", "Inner", "Font"}));
    EXPECT_EQ(j["Shape"], "shRound");
    EXPECT_EQ(j["Inner"]["Color"], "clNone");
    EXPECT_EQ(j["Font"]["Height"], -11);
    EXPECT_EQ(j["Font"]["Style"], nlohmann::ordered_json::array());
}

TEST(Streaming, ValuesOfEveryKindRoundTrip) {
    TSample s;
    s.SetCount(-3);
    s.SetOpacity(0);
    s.SetFlag(true);
    s.SetShape(shSquare);
    s.SetColor(16643823);
    s.SetText("Pfad ausw\xE4hlen \x80");
    s.Inner()->SetColor(clBtnFace);
    s.Font()->SetName("Arial");
    s.Font()->SetHeight(-27);
    s.Font()->SetStyle(FontStyle(fsBold) | FontStyle(fsStrikeOut));
    std::vector<uint8_t> blob;
    for (int i = 0; i < 200; ++i) blob.push_back(static_cast<uint8_t>(i * 7));
    s.SetBlob(blob);

    const std::string text = WriteObjectText(s);
    const auto j = Parsed(text);
    EXPECT_EQ(j["Color"], 16643823);
    EXPECT_EQ(j["Text"], "Pfad ausw\xC3\xA4hlen \xE2\x82\xAC"); // UTF-8 in the file
    EXPECT_EQ(j["Inner"]["Color"], "clBtnFace");
    EXPECT_EQ(j["Font"]["Style"], (nlohmann::ordered_json{"fsBold", "fsStrikeOut"}));

    TSample t;
    ReadObjectText(t, text);
    EXPECT_EQ(t.Count(), -3);
    EXPECT_EQ(t.Opacity(), 0);
    EXPECT_TRUE(t.Flag());
    EXPECT_EQ(t.Shape(), shSquare);
    EXPECT_EQ(t.Color(), 16643823);
    EXPECT_EQ(t.Text(), "Pfad ausw\xE4hlen \x80");
    EXPECT_EQ(t.Inner()->Color(), clBtnFace);
    EXPECT_EQ(t.Font()->Name(), "Arial");
    EXPECT_EQ(t.Font()->Size(), 20);
    EXPECT_EQ(t.Font()->Style(), FontStyle(fsBold) | FontStyle(fsStrikeOut));
    EXPECT_EQ(t.Blob(), blob);
    EXPECT_EQ(WriteObjectText(t), text);
}

TEST(Streaming, BinaryDataOfEveryLengthRoundTrips) {
    for (size_t n : {1u, 2u, 3u, 4u, 56u, 57u, 58u}) {
        TSample s, t;
        std::vector<uint8_t> blob(n);
        for (size_t i = 0; i < n; ++i) blob[i] = static_cast<uint8_t>(255 - i);
        s.SetBlob(blob);
        ReadObjectText(t, WriteObjectText(s));
        EXPECT_EQ(t.Blob(), blob) << n << " bytes";
    }
}

TEST(Streaming, ReadingCallsTheSettersInTheOrderOfTheText) {
    TSample s;
    ReadObjectText(s, R"({"Text": "a", "Count": 7, "Flag": false, "Inner": {"Color": 1}})");
    // Every stored value goes through its setter, even one equal to the current value.
    EXPECT_EQ(s.Calls, (std::vector<std::string>{"Text", "Count", "Flag"}));
    EXPECT_EQ(s.Inner()->Sets, 1);
}

TEST(Streaming, ColoursAreReadByNameOrNumber) {
    struct Row {
        const char* Value;
        TColor Expected;
    };
    const Row rows[] = {{R"("clWhite")", clWhite},         {R"("clnone")", clNone},
                        {R"("clBtnFace")", clBtnFace},     {R"("clGray")", clGray},
                        {"16643823", 16643823},            {"4278190095", clBtnFace},
                        {"-16777201", clBtnFace},          {R"("clDefault")", clDefault}};
    for (const auto& row : rows) {
        TSample s;
        ReadObjectText(s, std::string(R"({"Color": )") + row.Value + "}");
        EXPECT_EQ(s.Color(), row.Expected) << row.Value;
    }
}

TEST(Streaming, BadInputNamesThePropertyAndLeavesEarlierValuesSet) {
    struct Row {
        const char* Text;
        const char* Error;
    };
    const Row rows[] = {
        {R"({"Count": 1, "Bogus": 2})", "Fehler beim Lesen von Sample.Bogus: Eigenschaft Bogus existiert nicht"},
        {R"({"Inner": {"Colour": 2}})", "Fehler beim Lesen von Sample.Inner.Colour: Eigenschaft Colour existiert nicht"},
        {R"({"Shape": "shOval"})", "Fehler beim Lesen von Sample.Shape: Ung\xFC" "ltiger Eigenschaftswert shOval"},
        {R"({"Opacity": 256})", "Fehler beim Lesen von Sample.Opacity: Ung\xFC" "ltiger Eigenschaftswert 256"},
        {R"({"Count": 4294967296})", "Fehler beim Lesen von Sample.Count: Ung\xFC" "ltiger Eigenschaftswert 4294967296"},
        {R"({"Count": "3"})", "Fehler beim Lesen von Sample.Count: Ung\xFC" "ltiger Eigenschaftswert"},
        {R"({"Flag": 1})", "Fehler beim Lesen von Sample.Flag: Ung\xFC" "ltiger Eigenschaftswert"},
        {R"({"Color": "clPink"})", "Fehler beim Lesen von Sample.Color: Ung\xFC" "ltiger Eigenschaftswert clPink"},
        {R"({"Font": {"Style": ["fsBlink"]}})",
         "Fehler beim Lesen von Sample.Font.Style: Ung\xFC" "ltiger Eigenschaftswert \"fsBlink\""},
        {R"({"Blob": ["AB*="]})", "Fehler beim Lesen von Sample.Blob: Ung\xFC" "ltige Bin\xE4rdaten"},
        {R"({"Blob": "A"})", "Fehler beim Lesen von Sample.Blob: Ung\xFC" "ltige Bin\xE4rdaten"},
    };
    for (const auto& row : rows) {
        TSample s;
        EXPECT_EQ(ErrorOf([&] { ReadObjectText(s, row.Text, "Sample"); }), row.Error) << row.Text;
    }
    TSample s;
    ErrorOf([&] { ReadObjectText(s, R"({"Count": 1, "Bogus": 2})", "Sample"); });
    EXPECT_EQ(s.Count(), 1);
    EXPECT_NE(ErrorOf([&] { ReadObjectText(s, R"({"Count": )"); }), "(no error)"); // cut-off text
}

// ---- Components ----------------------------------------------------------------------------------

namespace {
class TBox : public TComponent {
public:
    using TComponent::TComponent;
    int Size() const { return FSize; }
    void SetSize(int V) { FSize = V; }
    TComponent* ParentComponent() const override { return FParentBox; }
    void SetParentComponent(TComponent* V) override { FParentBox = V; }
    void Loaded() override { WasLoading = Loading(); ++LoadedCalls; }
    const TPublishedClass* Published() const override;
    TNotifyEvent OnClick;
    bool WasLoading{true};
    int LoadedCalls{0};

private:
    int FSize{0};
    TComponent* FParentBox{nullptr};
};

class TTicker : public TComponent {
public:
    using TComponent::TComponent;
    const TPublishedClass* Published() const override;
};

class TRootForm : public TBox {
public:
    using TBox::TBox;
    const TPublishedClass* Published() const override;
};

const TPublishedClass BoxClass("TBox", nullptr,
                               {published::Integer("Size", &TBox::Size, &TBox::SetSize, 0),
                                published::Event("OnClick", &TBox::OnClick)});
const TPublishedClass* TBox::Published() const { return &BoxClass; }
const TPublishedClass TickerClass("TTicker", nullptr, {});
const TPublishedClass* TTicker::Published() const { return &TickerClass; }
const TPublishedClass RootClass("TRootForm", &BoxClass, {});
const TPublishedClass* TRootForm::Published() const { return &RootClass; }

struct RegisterTestClasses {
    RegisterTestClasses() {
        TComponentRegistry::RegisterClass("TBox", [](TComponent* o) { return new TBox(o); });
        TComponentRegistry::RegisterClass("TTicker", [](TComponent* o) { return new TTicker(o); });
        TComponentRegistry::RegisterClass("TRootForm", [](TComponent* o) { return new TRootForm(o); });
    }
};

// A form with a timer, a panel holding a label box, and a button box beside the panel.
std::unique_ptr<TRootForm> MakeForm() {
    static RegisterTestClasses registered;
    auto form = std::make_unique<TRootForm>(nullptr);
    form->SetName("MainForm");
    form->SetSize(506);
    auto* panel = new TBox(form.get());
    panel->SetName("Panel1");
    panel->SetParentComponent(form.get());
    panel->SetSize(57);
    auto* timer = new TTicker(form.get());
    timer->SetName("CloseTimer");
    auto* label = new TBox(form.get());
    label->SetName("AdvSmoothLabel1");
    label->SetParentComponent(panel);
    label->SetSize(280);
    auto* button = new TBox(form.get());
    button->SetName("BitBtn1");
    button->SetParentComponent(form.get());
    return form;
}
} // namespace

TEST(StreamingComponents, AComponentTreeIsWrittenByClassNameAndParent) {
    const auto j = Parsed(WriteComponentText(*MakeForm()));
    EXPECT_EQ(j["class"], "TRootForm");
    EXPECT_EQ(j["name"], "MainForm");
    ASSERT_EQ(j["components"].size(), 3u);
    EXPECT_EQ(j["components"][0]["name"], "Panel1");
    EXPECT_EQ(j["components"][1]["class"], "TTicker");
    EXPECT_FALSE(j["components"][1].contains("properties"));
    EXPECT_EQ(j["components"][2]["name"], "BitBtn1");
    EXPECT_FALSE(j["components"][2].contains("properties")); // Size 0 is its default
    EXPECT_EQ(j["components"][0]["components"][0]["class"], "TBox");
    EXPECT_EQ(j["components"][0]["components"][0]["properties"]["Size"], 280);
}

TEST(StreamingComponents, ReadingCreatesComponentsByClassAndPutsThemIntoTheirParents) {
    const std::string text = WriteComponentText(*MakeForm());
    std::unique_ptr<TComponent> root(ReadComponentText(text, nullptr));
    auto* form = dynamic_cast<TRootForm*>(root.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "MainForm");
    EXPECT_EQ(form->Size(), 506);
    ASSERT_EQ(form->ComponentCount(), 4);
    auto* panel = dynamic_cast<TBox*>(form->FindComponent("Panel1"));
    auto* label = dynamic_cast<TBox*>(form->FindComponent("AdvSmoothLabel1"));
    ASSERT_TRUE(panel && label);
    EXPECT_EQ(panel->ParentComponent(), form);
    EXPECT_EQ(label->ParentComponent(), panel);
    EXPECT_EQ(label->Size(), 280);
    EXPECT_NE(dynamic_cast<TTicker*>(form->FindComponent("CloseTimer")), nullptr);
    EXPECT_EQ(label->LoadedCalls, 1);
    EXPECT_FALSE(label->WasLoading);
    EXPECT_FALSE(label->Loading());
    EXPECT_EQ(WriteComponentText(*form), text);
}

TEST(StreamingComponents, EventsAreBoundByTheRootsHandlerNames) {
    static RegisterTestClasses registered;
    int clicks = 0;
    const std::string text =
        R"({"class": "TRootForm", "name": "F", "components": [
             {"class": "TBox", "name": "BitBtn1", "properties": {"OnClick": "BitBtn1Click"}}]})";
    TRootForm form(nullptr);
    ReadComponentTextInto(form, text, [&](const std::string& name) -> TNotifyEvent {
        if (name == "BitBtn1Click") return [&](TObject*) { ++clicks; };
        return {};
    });
    auto* button = dynamic_cast<TBox*>(form.FindComponent("BitBtn1"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->OnClick);
    button->OnClick(button);
    EXPECT_EQ(clicks, 1);
    // Written back by the handler's name; an event bound in code only is not written.
    EXPECT_NE(WriteComponentText(form).find(R"("OnClick": "BitBtn1Click")"), std::string::npos);
    TBox coded(nullptr);
    coded.OnClick = [](TObject*) {};
    EXPECT_EQ(WriteObjectText(coded), "{}\n");

    TRootForm other(nullptr);
    EXPECT_EQ(ErrorOf([&] { ReadComponentTextInto(other, text, {}); }),
              "Fehler beim Lesen von BitBtn1.OnClick: Methode BitBtn1Click nicht gefunden");
}

TEST(StreamingComponents, UnknownClassesAndMismatchedRootsAreClearErrors) {
    static RegisterTestClasses registered;
    TRootForm form(nullptr);
    EXPECT_EQ(ErrorOf([&] {
                  ReadComponentTextInto(form, R"({"class": "TRootForm", "components": [
                    {"class": "TGlass", "name": "X1"}]})");
              }),
              "Fehler beim Lesen von X1: Klasse TGlass nicht gefunden");
    EXPECT_EQ(ErrorOf([&] { ReadComponentTextInto(form, R"({"class": "TBox"})"); }),
              "Fehler beim Lesen der Fensterbeschreibung: Klasse TBox erwartet");
    EXPECT_EQ(ErrorOf([&] { ReadComponentText(R"({"class": "TNothing"})", nullptr); }),
              "Klasse TNothing nicht gefunden");
    EXPECT_EQ(ErrorOf([&] { ReadComponentTextInto(form, R"({"class": "TRootForm", "extra": 1})"); }),
              "Fehler beim Lesen von TRootForm: Unbekannter Eintrag extra");
}

TEST(StreamingComponents, HostileTextEndsInTheReadersError) {
    static RegisterTestClasses registered;
    auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    std::string manyMembers = R"({"class": "TRootForm", "x": {)";
    for (int i = 0; i < 1100; ++i) manyMembers += (i ? ",\"k" : "\"k") + std::to_string(i) + "\": 0";
    manyMembers += "}}";
    std::string manyComponents = R"({"class": "TRootForm", "components": [)";
    for (int i = 0; i < 5000; ++i) manyComponents += (i ? ",{" : "{") + std::string(R"("class": "TTicker", "name": "T)") + std::to_string(i) + "\"}";
    manyComponents += "]}";
    std::string hugeBlob = R"({"Blob": [)";
    for (int i = 0; i < 12; ++i) hugeBlob += (i ? ",\"" : "\"") + std::string(1u << 20, 'A') + "\"";
    hugeBlob += "]}";
    std::string deepObjects;
    for (int i = 0; i < 100000; ++i) deepObjects += R"({"a": )";
    std::string manyEmpty; // each object's end once cost a scan of its parent: quadratic in the count
    for (int i = 0; i < 100000; ++i) manyEmpty += "{},";
    struct Row {
        const char* What;
        std::string Text;
        const char* Error;
    } rows[] = {
        {"deep arrays", R"({"class": "TRootForm", "x": )" + nested(100000) + "}",
         "Fehler beim Lesen der Fensterbeschreibung: zu tief verschachtelt"},
        {"deep objects", deepObjects, "Fehler beim Lesen der Fensterbeschreibung: zu tief verschachtelt"},
        {"many members", manyMembers, "Fehler beim Lesen der Fensterbeschreibung: zu viele Eintr\xE4ge"},
        {"many components", manyComponents, "Fehler beim Lesen von T4095: zu viele Komponenten"},
        {"a long text", std::string(17u << 20, ' '), "Fehler beim Lesen der Fensterbeschreibung: Text zu lang"},
        {"65 levels", R"({"class": "TRootForm", "x": )" + nested(64) + "}",
         "Fehler beim Lesen der Fensterbeschreibung: zu tief verschachtelt"},
        {"64 levels", R"({"class": "TRootForm", "x": )" + nested(63) + "}",
         "Fehler beim Lesen von TRootForm: Unbekannter Eintrag x"},
        {"many empty objects", R"({"class": "TRootForm", "x": [)" + manyEmpty + "{}]}",
         "Fehler beim Lesen von TRootForm: Unbekannter Eintrag x"},
    };
    for (const Row& row : rows) {
        TRootForm form(nullptr);
        EXPECT_EQ(ErrorOf([&] { ReadComponentTextInto(form, row.Text); }), row.Error) << row.What;
    }
    TSample s;
    EXPECT_EQ(ErrorOf([&] { ReadObjectText(s, hugeBlob, "Sample"); }),
              "Fehler beim Lesen von Sample.Blob: Bin\xE4rdaten zu gro\xDF");
    TRootForm form(nullptr);
    EXPECT_EQ(ErrorOf([&] { ReadComponentTextInto(form, R"({"class": "TRootForm", "x": )" + nested(60) + "}"); }),
              "Fehler beim Lesen von TRootForm: Unbekannter Eintrag x")
        << "nesting within the bound reaches the reader's own checks";
}
