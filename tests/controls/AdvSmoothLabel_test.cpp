#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "controls/AdvSmoothLabel.h"
#include "framework/Streaming.h"

namespace {
// Records the label's repaint requests and notifications in order.
struct TLabelLog {
    void Watch(TAdvSmoothLabel& Label) {
        Watched = &Label;
        Label.InvalidateSink = [this](TControl* C) {
            Events.push_back(C == Watched ? "Invalidate" : "Invalidate(other)");
        };
        Label.OnChange = [this, &Label](TObject* Sender) {
            Events.push_back(Sender == &Label ? "OnChange" : "OnChange(other)");
        };
        Events.clear();
    }
    TControl* Watched{nullptr};
    std::vector<std::string> Events;
};

using Log = std::vector<std::string>;

// The label of the main window as its stored description sets it.
void SetUpMainWindowLabel(TAdvSmoothLabel& L) {
    L.SetTextRendering(tClearType);
    L.SetCaptionShadowVisible(true);
    for (TAdvSmoothLabelCaption* c : {L.Caption(), L.CaptionShadow()}) {
        c->SetText("Client");
        c->SetLocation(plCenterLeft);
        c->Font()->SetName("Arial");
        c->Font()->SetHeight(-27);
    }
    L.Caption()->SetColorStart(clWhite);
    L.Caption()->SetColorEnd(16643823);
    L.CaptionShadow()->SetColorStart(clGray);
    L.CaptionShadow()->SetColorEnd(clGray);
}
} // namespace

// The other initial values are checked for each published property in PublishedProperties_test.
TEST(AdvSmoothLabel, TheCaptionFontOf20PointsIs27PixelsHigh) {
    TAdvSmoothLabel l(nullptr);
    for (TAdvSmoothLabelCaption* c : {l.Caption(), l.CaptionShadow()})
        EXPECT_EQ(c->Font()->Height(), -27);
}

TEST(AdvSmoothLabel, VersionIsFixed) {
    TAdvSmoothLabel l(nullptr);
    EXPECT_EQ(TAdvSmoothLabel::VersionNumber(), 0x01050001u);
    EXPECT_EQ(l.Version(), "1.5.0.1");
    l.SetVersion("9.9");
    EXPECT_EQ(l.Version(), "1.5.0.1");
}

TEST(AdvSmoothLabel, CaptionsNotifyTheLabelWhileItIsStillBeingConstructed) {
    std::vector<bool> captionsExisted;
    TGraphicControl owner(nullptr); // a form that has made the label but not placed it yet
    owner.InvalidateSink = [&](TControl* C) {
        if (auto* l = dynamic_cast<TAdvSmoothLabel*>(C)) captionsExisted.push_back(l->Caption() != nullptr);
    };
    {
        TAdvSmoothLabel l(&owner); // no parent, no handler: Changed must cope
    }
    // The main caption's font size reaches the label before the label holds that caption.
    ASSERT_FALSE(captionsExisted.empty());
    EXPECT_NE(std::find(captionsExisted.begin(), captionsExisted.end(), false), captionsExisted.end());
}

TEST(AdvSmoothLabel, EveryChangeEndsInInvalidateThenOnChange) {
    struct Row {
        const char* What;
        std::function<void(TAdvSmoothLabel&)> Change;
        Log Expected;
    };
    const Log once{"Invalidate", "OnChange"};
    const Row rows[] = {
        {"caption text", [](TAdvSmoothLabel& l) { l.Caption()->SetText("Client"); }, once},
        {"same caption location", [](TAdvSmoothLabel& l) { l.Caption()->SetLocation(plCenterCenter); }, {}},
        {"shadow font size", [](TAdvSmoothLabel& l) { l.CaptionShadow()->Font()->SetSize(8); }, once},
        {"fill colour", [](TAdvSmoothLabel& l) { l.Fill()->SetColor(clRed); }, once},
        {"fill glow unchanged", [](TAdvSmoothLabel& l) { l.Fill()->SetGlow(gmNone); }, {}},
        {"transparent", [](TAdvSmoothLabel& l) { l.SetTransparent(false); }, once},
        {"same word wrap", [](TAdvSmoothLabel& l) { l.SetWordWrap(false); }, {}},
        {"shadow offset", [](TAdvSmoothLabel& l) { l.SetCaptionShadowOffsetTop(3); }, once},
        {"version", [](TAdvSmoothLabel& l) { l.SetVersion("2"); }, {}},
        {"caption with its own handler replaced",
         [](TAdvSmoothLabel& l) {
             l.Caption()->OnChange = nullptr; // notification goes through the owner regardless
             l.Caption()->SetColorEnd(clNone);
         },
         once},
    };
    for (const auto& row : rows) {
        TLabelLog log;
        TAdvSmoothLabel l(nullptr);
        log.Watch(l);
        row.Change(l);
        EXPECT_EQ(log.Events, row.Expected) << row.What;
    }
}

TEST(AdvSmoothLabel, AssignCopiesSubObjectsAndSettingsWithOneNotificationEach) {
    TAdvSmoothLabel source(nullptr);
    SetUpMainWindowLabel(source);
    source.SetWordWrap(true);
    source.Fill()->SetRounding(4);
    TLabelLog log;
    TAdvSmoothLabel target(nullptr);
    log.Watch(target);
    target.Assign(&source);
    // The fill: its two pictures' copies and itself; each caption: its picture's copy and itself; then
    // the label.
    EXPECT_EQ(std::count(log.Events.begin(), log.Events.end(), "OnChange"), 8);
    EXPECT_TRUE(target.WordWrap());
    EXPECT_EQ(target.TextRendering(), tClearType);
    EXPECT_EQ(target.Fill()->Rounding(), 4);
    EXPECT_EQ(target.Caption()->Text(), "Client");
    EXPECT_EQ(target.Caption()->ColorEnd(), 16643823);
    EXPECT_EQ(target.Caption()->Font()->Name(), "Tahoma"); // a caption's assign keeps its own font
    log.Events.clear();
    target.Assign(source.Fill()); // another class: nothing
    EXPECT_TRUE(log.Events.empty());
}

TEST(AdvSmoothLabel, TheMainWindowLabelRoundTripsThroughItsStoredForm) {
    TAdvSmoothLabel l(nullptr);
    l.SetBounds(424, 7, 280, 50);
    SetUpMainWindowLabel(l);
    const std::string text = WriteObjectText(l);
    const auto j = nlohmann::ordered_json::parse(text);
    std::vector<std::string> keys;
    for (const auto& [k, v] : j.items()) keys.push_back(k);
    EXPECT_EQ(keys, (std::vector<std::string>{"Left", "Top", "Width", "Height", "Fill", "Caption", "CaptionShadow",
                                              "CaptionShadowVisible", "Version", "TextRendering"}));
    EXPECT_EQ(j["Version"], "1.5.0.1");
    EXPECT_EQ(j["Caption"]["Font"]["Height"], -27);
    EXPECT_EQ(j["Caption"]["ColorStart"], "clWhite");
    EXPECT_EQ(j["CaptionShadow"]["ColorEnd"], "clGray");
    EXPECT_EQ(j["Fill"]["BorderColor"], "clNone");

    TAdvSmoothLabel m(nullptr);
    ReadObjectText(m, text, "AdvSmoothLabel1");
    EXPECT_EQ(WriteObjectText(m), text);
    EXPECT_EQ(m.Left(), 424);
    EXPECT_EQ(m.CaptionShadow()->Font()->Size(), 20);
}

TEST(AdvSmoothLabel, IsCreatedByClassNameFromADescription) {
    RegisterComponentClass<TAdvSmoothLabel>("TAdvSmoothLabel");
    TAdvSmoothLabel* made = dynamic_cast<TAdvSmoothLabel*>(TComponentRegistry::Create("TAdvSmoothLabel", nullptr));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Height(), 50);
    delete made;
}
