#include <gtest/gtest.h>

#include "framework/Font.h"

TEST(Font, PointSizeFollowsThePixelHeightAt96Dpi) {
    struct Row {
        int Height;
        int Size;
    };
    // Windows rounds -Height * 72 / 96 to the nearest point, halves away from zero.
    const Row rows[] = {{-27, 20}, {-11, 8}, {-13, 10}, {-16, 12}, {-2, 2}, {-1, 1}, {0, 0}, {16, -12}, {-26, 20}};
    for (const auto& row : rows) {
        TFont f;
        f.SetHeight(row.Height);
        EXPECT_EQ(f.Size(), row.Size) << "height " << row.Height;
    }
}

TEST(Font, SettingThePointSizeStoresTheMatchingPixelHeight) {
    struct Row {
        int Size;
        int Height;
    };
    const Row rows[] = {{20, -27}, {8, -11}, {10, -13}, {12, -16}, {9, -12}, {1, -1}};
    for (const auto& row : rows) {
        TFont f;
        f.SetSize(row.Size);
        EXPECT_EQ(f.Height(), row.Height) << "size " << row.Size;
    }
}

TEST(Font, RaisesOnChangeOncePerEffectiveChange) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetName("Tahoma");
    f.SetName("Tahoma");
    f.SetSize(20);
    f.SetHeight(-27); // the same height again
    f.SetStyle(FontStyle(fsBold));
    f.SetStyle(FontStyle(fsBold));
    f.SetColor(clRed);
    f.SetColor(clRed);
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(f.HasStyle(fsBold));
    EXPECT_FALSE(f.HasStyle(fsItalic));
}

TEST(Font, AssignCopiesEverythingButTheHandlerAndNotifiesOnce) {
    TFont a, b;
    a.SetName("Arial");
    a.SetHeight(-27);
    a.SetStyle(FontStyle(fsItalic) | FontStyle(fsUnderline));
    a.SetColor(clGray);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Name(), "Arial");
    EXPECT_EQ(b.Size(), 20);
    EXPECT_EQ(b.Style(), a.Style());
    EXPECT_EQ(b.Color(), clGray);
    EXPECT_FALSE(a.OnChange);
    TBitmap other;
    b.Assign(&other); // another class: nothing happens
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Name(), "Arial");
}

TEST(Font, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
