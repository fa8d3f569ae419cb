#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graphics/AdvGDIPPicture.h"
#include "graphics/GdiplusCanvas_support.h"
#include "support/Pixels.h"

namespace {
// A 24-bit BMP file: green at the bottom-left (the colour key), blue at the top-right, red elsewhere.
std::vector<uint8_t> KeyedBmp(int W = 4, int H = 3) {
    TBitmap b;
    FillBitmap24(b, W, H, [&](int x, int y) {
        return x == 0 && y == H - 1 ? 0x00FF00u : x == W - 1 && y == 0 ? 0xFF0000u : 0x0000FFu;
    });
    TMemoryStream s;
    b.SaveToStream(s);
    return s.Bytes();
}

std::vector<uint8_t> FileBytes(const std::string& Name) {
    TMemoryStream s;
    s.LoadFromFile(TestImagePath(Name));
    return s.Bytes();
}

void Load(TAdvGDIPPicture& P, const std::vector<uint8_t>& Bytes) {
    TMemoryStream s;
    s.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
    P.LoadFromStream(s);
}

// The strongest channel of 0x00BBGGRR.
char Strongest(uint32_t C) {
    const int r = C & 0xFF, g = (C >> 8) & 0xFF, b = (C >> 16) & 0xFF;
    return r > g && r > b ? 'r' : g > b ? 'g' : 'b';
}

constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
} // namespace

// ---- loading and assigning ----

namespace {
std::vector<uint8_t> Bytes(const char* Text) {
    return {Text, Text + std::strlen(Text)};
}

// A picture holding Before (when not empty) gets its content one way; the events it raises meanwhile
// (the width it had at each OnClear) and what it holds afterwards. -1 and nullopt leave a value unchecked.
struct TContentRow {
    const char* Name;
    std::vector<uint8_t> Before;
    std::function<void(TAdvGDIPPicture&)> Act;
    const char* Log;
    bool Empty;
    std::optional<std::vector<uint8_t>> Held;
    int Width = -1, Height = -1;
    std::optional<TPoint> Decoded = std::nullopt; // the size UpdateImageSize finds afterwards
};

void LoadStream(TAdvGDIPPicture& P, const std::vector<uint8_t>& Bytes, int64_t Position) {
    TMemoryStream s;
    s.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
    s.SetPosition(Position);
    P.LoadFromStream(s);
}
} // namespace

TEST(TAdvGDIPPicture, LoadsAndAssignsItsContentWithTheEventsInOrder) {
    const auto png = FileBytes("image.png"), jpeg = FileBytes("baseline.jpg"), bmp = KeyedBmp();
    TAdvGDIPPicture pngPicture;
    Load(pngPicture, png);
    TBitmap bitmap;
    bitmap.SetSize(6, 5);
    TMemoryStream bitmapFile;
    bitmap.SaveToStream(bitmapFile);
    const std::string misnamed = TestImagePath("jpeg-named.png");
    const TContentRow rows[] = {
        {"a file: the size is read after OnClear",
         {},
         [](auto& P) { P.LoadFromFile(TestImagePath("image.png")); },
         "clear(0);change;",
         false,
         png,
         45,
         32},
        {"a missing file", png, [](auto& P) { P.LoadFromFile(TestImagePath("no-such-file.png")); }, "", true,
         png},
        {"a handler that raises is absorbed",
         {},
         [](auto& P) {
             P.OnChange = [](TObject*) { throw Exception("handler"); };
             P.LoadFromFile(TestImagePath("image.png"));
         },
         "clear(0);",
         true,
         std::nullopt},
        {"a JPEG named .png reads as zero until decoded",
         {},
         [&](auto& P) {
             TMemoryStream s;
             s.LoadFromFile(TestImagePath("baseline.jpg"));
             s.SaveToFile(misnamed);
             P.LoadFromFile(misnamed);
             std::remove(misnamed.c_str());
         },
         "clear(0);change;",
         false,
         jpeg,
         0,
         0,
         TPoint{33, 21}},
        {"a stream, copied from its first byte",
         {},
         [&](auto& P) { LoadStream(P, png, 17); },
         "change;",
         false,
         png,
         45,
         32},
        {"an empty stream and none", bmp,
         [](auto& P) {
             TMemoryStream empty;
             P.LoadFromStream(empty);
             P.LoadFromStream(static_cast<TStream*>(nullptr));
         },
         "", false, bmp, 4, 3},
        {"bytes GDI+ cannot decode",
         {},
         [](auto& P) { Load(P, Bytes("not an image")); },
         "change;",
         false,
         Bytes("not an image"),
         0,
         0,
         TPoint{0, 0}},
        {"a size set from outside", bmp,
         [](auto& P) {
             P.SetWidth(100);
             P.SetHeight(100);
         },
         "", false, bmp, 4, 3},
        {"nothing assigned: change, then clear, keeping the size", bmp, [](auto& P) { P.Assign(nullptr); },
         "change;clear(4);", true, std::vector<uint8_t>{}, 4},
        {"another picture assigned", {}, [&](auto& P) { P.Assign(&pngPicture); }, "change;", false, png, 45},
        {"a bitmap assigned: its own file", png, [&](auto& P) { P.Assign(&bitmap); }, "change;", false,
         bitmapFile.Bytes(), 6, 5},
        {"an unrelated object assigned", bmp,
         [](auto& P) {
             TPersistent unrelated;
             P.Assign(&unrelated);
         },
         "", true, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TAdvGDIPPicture p;
        if (!row.Before.empty()) Load(p, row.Before);
        std::string log;
        p.OnChange = [&](TObject*) { log += "change;"; };
        p.OnClear = [&](TObject*) { log += "clear(" + std::to_string(p.Width()) + ");"; };
        EXPECT_NO_THROW(row.Act(p));
        EXPECT_EQ(log, row.Log);
        EXPECT_EQ(p.Empty(), row.Empty);
        if (row.Held) {
            EXPECT_EQ(p.Bytes().Bytes(), *row.Held);
        }
        if (row.Width >= 0) {
            EXPECT_EQ(p.Width(), row.Width);
        }
        if (row.Height >= 0) {
            EXPECT_EQ(p.Height(), row.Height);
        }
        if (row.Decoded) {
            EXPECT_TRUE(p.UpdateImageSize());
            EXPECT_EQ((TPoint{p.Width(), p.Height()}), *row.Decoded);
        }
        if (p.Empty() || row.Decoded == TPoint{0, 0}) { // nothing to show: drawing leaves the canvas alone
            TTestCanvas t(8, 8);
            p.Draw(t.Canvas, Rect(0, 0, 8, 8));
            EXPECT_EQ(t.FirstOtherThan(Rect(0, 0, 8, 8), kWhite), (TPoint{-1, -1}));
        }
    }
    EXPECT_FALSE(TAdvGDIPPicture().UpdateImageSize()) << "an empty picture has no size to find";
}

TEST(TAdvGDIPPicture, ReadDataRaisesNoChangeAndWriteDataGivesTheBytesBack) {
    const auto bytes = FileBytes("baseline.jpg");
    TMemoryStream in;
    in.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    TAdvGDIPPicture p;
    std::string log;
    p.OnChange = [&](TObject*) { log += "change;"; };
    p.ReadData(in);
    EXPECT_EQ(log, "");
    EXPECT_EQ(p.Width(), 33);
    TMemoryStream out;
    out.WriteBuffer("xy", 2);
    p.WriteData(out);
    std::vector<uint8_t> expected = {'x', 'y'};
    expected.insert(expected.end(), bytes.begin(), bytes.end());
    EXPECT_EQ(out.Bytes(), expected);
}

// ---- drawing ----

TEST(TAdvGDIPPicture, DrawKeysABmpOnItsBottomLeftColourAndNeverStretches) {
    TAdvGDIPPicture p;
    Load(p, KeyedBmp());
    TTestCanvas t(10, 10);
    p.Draw(t.Canvas, Rect(2, 1, 10, 10));
    EXPECT_EQ(t.At(2, 3), kWhite); // the key colour is left out
    EXPECT_EQ(t.At(3, 3), kRed);
    EXPECT_EQ(t.At(5, 1), kBlue);
    EXPECT_EQ(t.At(6, 1), kWhite); // drawn in its own size
    EXPECT_EQ(t.At(3, 4), kWhite);
}

TEST(TAdvGDIPPicture, DrawStretchesOtherFormatsAndLearnsTheirSize) {
    TAdvGDIPPicture p;
    p.LoadFromFile(TestImagePath("screen.gif")); // 12 x 7, all red
    TTestCanvas t(30, 30);
    p.Draw(t.Canvas, Rect(5, 5, 25, 25));
    EXPECT_EQ(t.At(8, 8), kRed);
    EXPECT_EQ(t.At(20, 20), kRed);
    // Smoothing may tint the pixel next to an edge; two pixels away nothing is drawn.
    EXPECT_EQ(t.At(3, 15), kWhite);
    EXPECT_EQ(t.At(27, 15), kWhite);
    EXPECT_EQ(p.Width(), 12);
    EXPECT_EQ(p.Height(), 7);
}

TEST(TAdvGDIPPicture, DrawOnGraphicsStretchesUnlessTransparent) {
    TAdvGDIPPicture p;
    Load(p, KeyedBmp());
    TTestCanvas t(20, 20);
    {
        TGPGraphics g(t.Canvas.Handle());
        p.DrawOnGraphics(g, Rect(0, 0, 16, 12)); // four times the size, smoothed between the pixels
    }
    EXPECT_EQ(Strongest(t.At(0, 11)), 'g');
    EXPECT_EQ(Strongest(t.At(15, 0)), 'b');
    EXPECT_EQ(t.At(6, 6), kRed);
    EXPECT_EQ(t.At(18, 6), kWhite);
    EXPECT_EQ(t.At(6, 14), kWhite);

    TTestCanvas k(20, 20);
    p.SetTransparent(true);
    {
        TGPGraphics g(k.Canvas.Handle());
        p.DrawOnGraphics(g, Rect(10, 10, 18, 16));
    }
    EXPECT_EQ(k.At(10, 12), kWhite); // keyed out
    EXPECT_EQ(k.At(11, 12), kRed);
    EXPECT_EQ(k.At(13, 10), kBlue);
    EXPECT_EQ(k.At(14, 10), kWhite); // own size
    EXPECT_EQ(k.At(11, 13), kWhite);
}

TEST(TAdvGDIPPicture, TextureFillsTileFromTheSurfaceOrigin) {
    TAdvGDIPPicture p;
    Load(p, KeyedBmp());
    TTestCanvas t(12, 12);
    {
        TGPGraphics g(t.Canvas.Handle());
        p.FillRectWithTexture(g, MakeRectF(1, 1, 10, 10));
    }
    // Tiles start at (0, 0) of the surface, not at the rectangle: (4, 2) is a tile's bottom-left.
    EXPECT_EQ(t.At(4, 2), kGreen);
    EXPECT_EQ(t.At(7, 3), kBlue);
    EXPECT_EQ(t.At(0, 0), kWhite);
    EXPECT_EQ(t.At(11, 5), kWhite);
}

// ---- the stream adapter ----

namespace {
// A stream whose every operation fails.
class TBrokenStream : public TStream {
public:
    int64_t Read(void*, int64_t) override { throw EReadError("broken"); }
    int64_t Write(const void*, int64_t) override { throw EStreamError("broken"); }
    int64_t Seek(int64_t, TSeekOrigin) override { throw EStreamError("broken"); }
};

struct TAdapterRef {
    explicit TAdapterRef(TStream* S) : Adapter(new TFixedStreamAdapter(S)) {}
    ~TAdapterRef() { Adapter->Release(); }
    TFixedStreamAdapter* Adapter;
    TFixedStreamAdapter* operator->() const { return Adapter; }
};
} // namespace

TEST(TFixedStreamAdapter, ResultCodes) {
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    m.SetPosition(0);
    TAdapterRef a(&m);
    TBrokenStream broken;
    TAdapterRef b(&broken);
    uint8_t buf[8]{};
    uint32_t n = 99;
    uint64_t pos = 99;
    struct Row {
        const char* Call;
        TComResult Got;
        TComResult Expected;
    };
    const Row rows[] = {
        {"Read null", a->Read(nullptr, 1, &n), STG_E_INVALIDPOINTER},
        {"Read", a->Read(buf, 4, &n), S_OK},
        {"Read broken", b->Read(buf, 1, &n), S_FALSE},
        {"Write null", a->Write(nullptr, 1, &n), STG_E_INVALIDPOINTER},
        {"Write broken", b->Write("x", 1, &n), STG_E_CANTSAVE},
        {"Seek origin 3", a->Seek(0, 3, &pos), STG_E_INVALIDFUNCTION},
        {"Seek broken", b->Seek(0, 0, &pos), STG_E_INVALIDPOINTER},
        {"SetSize", a->SetSize(10), S_OK},
        {"SetSize broken", b->SetSize(1), E_UNEXPECTED},
        {"SetSize beyond any stream", a->SetSize(~0ull), STG_E_INVALIDFUNCTION},
        {"CopyTo null target", a->CopyTo(nullptr, 1, nullptr, nullptr), STG_E_INVALIDPOINTER},
        {"Commit", a->Commit(0), S_OK},
        {"Revert", a->Revert(), STG_E_REVERTED},
        {"LockRegion", a->LockRegion(0, 1, 1), STG_E_INVALIDFUNCTION},
        {"UnlockRegion", a->UnlockRegion(0, 1, 1), STG_E_INVALIDFUNCTION},
        {"Stat without record", a->Stat(nullptr, 0), S_OK},
        {"Stat broken", b->Stat(&*std::make_unique<TComStatStg>(), 0), E_UNEXPECTED},
    };
    for (const Row& r : rows) ASSERT_EQ(r.Got, r.Expected) << r.Call;
    EXPECT_EQ(m.Size(), 10) << "a refused size leaves the stream as it was";
}

TEST(TFixedStreamAdapter, ReadSeekAndSizeReachTheWrappedStream) {
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    m.SetPosition(1);
    TAdapterRef a(&m);
    char buf[8]{};
    uint32_t n = 0;
    EXPECT_EQ(a->Read(buf, 8, &n), S_OK);
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(std::string(buf, n), "bcdef");
    uint64_t pos = 0;
    EXPECT_EQ(a->Seek(-2, 2, &pos), S_OK);
    EXPECT_EQ(pos, 4u);
    // Only the low 32 bits of the move count, as a signed number.
    EXPECT_EQ(a->Seek(0x100000002LL, 0, &pos), S_OK);
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(a->SetSize(3), S_OK);
    EXPECT_EQ(m.Size(), 3);
}

// A file can change its size too: cut, then grown with zeros, measured by the file system itself.
TEST(TFixedStreamAdapter, SetSizeCutsAndGrowsAFile) {
    const auto path = std::filesystem::temp_directory_path() / "velundo_adapter_setsize.bin";
    {
        TFileStream f(path.string(), fmCreate);
        f.WriteBuffer("abcdef", 6);
        TAdapterRef a(&f);
        EXPECT_EQ(a->SetSize(2), S_OK);
        EXPECT_EQ(std::filesystem::file_size(path), 2u);
        EXPECT_EQ(a->SetSize(9), S_OK);
        EXPECT_EQ(std::filesystem::file_size(path), 9u);
    }
    EXPECT_EQ(std::filesystem::file_size(path), 9u);
    std::filesystem::remove(path);
}

TEST(TFixedStreamAdapter, StatFillsTheRecordWithoutAName) {
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    TAdapterRef a(&m);
    TComStatStg record{};
    char16_t name[] = u"stale";
    record.pwcsName = name;
    record.grfMode = 0x12;
    record.mtime[0] = 7;
    EXPECT_EQ(a->Stat(&record, 0), S_OK);
    EXPECT_EQ(record.pwcsName, nullptr);
    EXPECT_EQ(record.type, 2u);
    EXPECT_EQ(record.cbSize, 6u);
    EXPECT_EQ(record.mtime[0], 0u);
    EXPECT_EQ(record.grfLocksSupported, 1u);
    EXPECT_EQ(record.grfMode, 0x12u); // left as passed
}

TEST(TFixedStreamAdapter, CopyToStopsAtTheSourceEndAndCountsBoth) {
    TMemoryStream from, to;
    from.WriteBuffer("0123456789", 10);
    from.SetPosition(4);
    TAdapterRef a(&from);
    TAdapterRef target(&to);
    uint64_t read = 0, written = 0;
    EXPECT_EQ(a->CopyTo(target.Adapter, 100, &read, &written), S_OK);
    EXPECT_EQ(read, 6u);
    EXPECT_EQ(written, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(to.Memory()), 6), "456789");
    TComStream* clone = reinterpret_cast<TComStream*>(&to);
    EXPECT_EQ(a->Clone(&clone), E_NOTIMPL);
    EXPECT_EQ(clone, nullptr);
}

TEST(TFixedStreamAdapter, HandsAnImageToGdiplus) {
    struct Row {
        const char* File;
        ImageFormatKind Kind;
        uint32_t Width;
    };
    const Row rows[] = {{"baseline.jpg", ifJPEG, 33}, {"image.png", ifPNG, 45}, {"image.bmp", ifBMP, 37},
                        {"screen.gif", ifGIF, 12}, {"little.tif", ifTIFF, 20}};
    for (const Row& r : rows) {
        TMemoryStream m;
        m.LoadFromFile(TestImagePath(r.File));
        m.SetPosition(0);
        TAdapterRef a(&m);
        TGPImage image(a.Adapter, false);
        ASSERT_EQ(image.LastStatus, Ok) << r.File;
        EXPECT_EQ(image.GetFormatKind(), r.Kind) << r.File;
        EXPECT_EQ(image.GetImageWidth(), r.Width) << r.File;
        EXPECT_GT(image.GetBitsPerPixel(), 0u) << r.File;
    }
}
