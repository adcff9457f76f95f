#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "engine/bitmap.h"
#include "engine/canvas.h"

namespace {

constexpr Colour Magenta = Rgb(255, 0, 255);
constexpr Colour Background = Rgb(1, 2, 3);

// What the writer puts in a bitmap; pixels are given top row first, as palette
// indices at 8 bits or fewer and as colours above.
struct DibSpec {
    int width = 1;
    int height = 1;
    int bits = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    std::vector<Colour> palette;
    std::optional<uint32_t> coloursUsed;  // palette.size() when not given
    std::optional<uint32_t> sizeImage;    // the real pixel area when not given
    std::vector<uint32_t> pixels;
};

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(value >> (8 * i));
}

size_t Stride(const DibSpec& layout) { return (size_t(layout.width) * size_t(layout.bits) + 31) / 32 * 4; }
size_t Rows(const DibSpec& layout) { return size_t(layout.height < 0 ? -layout.height : layout.height); }

// Info header, masks, colour table and pixels: a bitmap resource.
std::vector<uint8_t> MakeDib(const DibSpec& layout) {
    const bool masksAfterHeader = layout.compression == 3 && layout.headerSize == 40;
    const size_t tableStart = layout.headerSize + (masksAfterHeader ? 12 : 0);
    const size_t pixelStart = tableStart + layout.palette.size() * 4;
    const size_t stride = Stride(layout), rows = Rows(layout);
    std::vector<uint8_t> out(pixelStart + stride * rows, 0);
    Put32(out, 0, layout.headerSize);
    Put32(out, 4, uint32_t(layout.width));
    Put32(out, 8, uint32_t(layout.height));
    Put16(out, 12, 1);
    Put16(out, 14, uint32_t(layout.bits));
    Put32(out, 16, layout.compression);
    Put32(out, 20, layout.sizeImage.value_or(uint32_t(stride * rows)));
    Put32(out, 32, layout.coloursUsed.value_or(uint32_t(layout.palette.size())));
    if (layout.compression == 3) {
        Put32(out, 40, 0xFF0000);
        Put32(out, 44, 0x00FF00);
        Put32(out, 48, 0x0000FF);
    }
    for (size_t i = 0; i < layout.palette.size(); ++i) {
        out[tableStart + i * 4] = BlueOf(layout.palette[i]);
        out[tableStart + i * 4 + 1] = GreenOf(layout.palette[i]);
        out[tableStart + i * 4 + 2] = RedOf(layout.palette[i]);
    }
    for (size_t y = 0; y < rows && !layout.pixels.empty(); ++y) {
        const size_t stored = layout.height > 0 ? rows - 1 - y : y;
        uint8_t* row = out.data() + pixelStart + stored * stride;
        for (size_t x = 0; x < size_t(layout.width); ++x) {
            const uint32_t value = layout.pixels[y * size_t(layout.width) + x];
            switch (layout.bits) {
            case 1: row[x / 8] |= uint8_t(value << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t(value << (x % 2 == 0 ? 4 : 0)); break;
            case 8: row[x] = uint8_t(value); break;
            default: {
                uint8_t* p = row + x * size_t(layout.bits / 8);
                p[0] = BlueOf(value);
                p[1] = GreenOf(value);
                p[2] = RedOf(value);
                if (layout.bits == 32) p[3] = 0xA5;  // alpha or junk: must not show
            }
            }
        }
    }
    return out;
}

size_t PixelStart(const DibSpec& layout) {
    return layout.headerSize + (layout.compression == 3 && layout.headerSize == 40 ? 12 : 0) +
           layout.palette.size() * 4;
}

// A BMP file: the 14-byte file header before the resource bytes.
std::vector<uint8_t> MakeFile(const DibSpec& layout, std::optional<uint32_t> pixelOffset = {}) {
    const std::vector<uint8_t> dib = MakeDib(layout);
    std::vector<uint8_t> out(14, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, uint32_t(14 + dib.size()));
    Put32(out, 10, pixelOffset.value_or(uint32_t(14 + PixelStart(layout))));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

std::string WriteTemp(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = ::testing::TempDir() + "bitmap_test_";
    for (char c : name) path += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    path += ".bmp";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size()));
    return path;
}

bool LoadFileBytes(Bitmap& bitmap, const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = WriteTemp(name, bytes);
    const bool loaded = bitmap.LoadFromFile(path);
    std::filesystem::remove(path);
    return loaded;
}

std::vector<Colour> MakePalette(size_t entries) {
    std::vector<Colour> palette;
    for (size_t i = 0; i < entries; ++i)
        palette.push_back(Rgb(uint8_t(200 - i), uint8_t(i * 5), uint8_t(17 + i)));
    return palette;
}

// A pattern with every palette entry or distinct red, green and blue.
DibSpec Patterned(int bits, int width, int height, uint32_t headerSize = 40, uint32_t compression = 0) {
    DibSpec layout;
    layout.width = width;
    layout.height = height;
    layout.bits = bits;
    layout.headerSize = headerSize;
    layout.compression = compression;
    if (bits <= 8) layout.palette = MakePalette(size_t(1) << bits);
    const int rows = height < 0 ? -height : height;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            layout.pixels.push_back(bits <= 8 ? uint32_t(x * 7 + y * 3) % uint32_t(layout.palette.size())
                                            : Rgb(uint8_t(x * 40 + y + 1), uint8_t(y * 50 + 2),
                                                  uint8_t((x + y) * 17 + 100)));
    return layout;
}

std::vector<Colour> Expected(const DibSpec& layout) {
    std::vector<Colour> colours;
    for (uint32_t value : layout.pixels)
        colours.push_back(layout.bits <= 8 ? (value < layout.palette.size() ? layout.palette[value] : 0) : value);
    return colours;
}

std::vector<Colour> Held(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return {};
    const int rows = bitmap.Height() < 0 ? -bitmap.Height() : bitmap.Height();
    return {bitmap.Pixels(), bitmap.Pixels() + size_t(bitmap.Width()) * size_t(rows)};
}

void ExpectEmpty(const Bitmap& bitmap) {
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Pixels(), nullptr);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    Canvas canvas(8, 8, Background);
    bitmap.Blit(canvas, 0, 0, false, 0);
    EXPECT_EQ(canvas.Pixels(), std::vector<Colour>(64, Background));
}

// ---- Pictures that decode ----

struct GoodCase {
    const char* name;
    DibSpec layout;
};

std::vector<GoodCase> GoodCases() {
    return {
        {"1 bit bottom-up", Patterned(1, 11, 3)},
        {"1 bit top-down", Patterned(1, 9, -2)},
        {"4 bit bottom-up", Patterned(4, 5, 3)},
        {"4 bit top-down, 124-byte header", Patterned(4, 3, -4, 124)},
        {"8 bit, 108-byte header", Patterned(8, 7, 4, 108)},
        {"24 bit width 1", Patterned(24, 1, 3)},
        {"24 bit width 3", Patterned(24, 3, 2)},
        {"24 bit width 5 top-down", Patterned(24, 5, -3)},
        {"24 bit, 124-byte header", Patterned(24, 2, 2, 124)},
        {"32 bit", Patterned(32, 2, 2)},
        {"32 bit top-down, 124-byte header", Patterned(32, 4, -3, 124)},
        {"32 bit bitfields", Patterned(32, 3, 2, 40, 3)},
        {"32 bit bitfields, 108-byte header", Patterned(32, 3, 2, 108, 3)},
    };
}

TEST(Bitmap, DecodesEveryDepthAndOrientationFromFileAndResource) {
    for (const GoodCase& c : GoodCases()) {
        SCOPED_TRACE(c.name);
        Bitmap fromFile;
        ASSERT_TRUE(LoadFileBytes(fromFile, c.name, MakeFile(c.layout)));
        EXPECT_EQ(fromFile.Width(), c.layout.width);
        EXPECT_EQ(fromFile.Height(), c.layout.height);
        EXPECT_EQ(Held(fromFile), Expected(c.layout));

        Bitmap fromResource;
        ASSERT_TRUE(fromResource.LoadFromResourceBytes(MakeDib(c.layout)));
        EXPECT_EQ(fromResource.Height(), c.layout.height);
        EXPECT_EQ(Held(fromResource), Expected(c.layout));
    }
}

// Headers whose declared sizes are wrong or incomplete but whose picture is sound.
struct TolerantCase {
    const char* name;
    DibSpec layout;
};

std::vector<TolerantCase> TolerantCases() {
    std::vector<TolerantCase> cases;
    auto with = [](DibSpec layout, auto change) { change(layout); return layout; };
    cases.push_back({"biSizeImage 0", with(Patterned(24, 5, 3), [](DibSpec& s) { s.sizeImage = 0; })});
    cases.push_back({"biSizeImage huge", with(Patterned(24, 5, 3), [](DibSpec& s) { s.sizeImage = 0xFFFFFFFF; })});
    cases.push_back({"biSizeImage smaller", with(Patterned(24, 5, 3), [](DibSpec& s) { s.sizeImage = 3; })});
    cases.push_back({"biClrUsed 0 means the full table at 8 bits",
                     with(Patterned(8, 16, 16), [](DibSpec& s) {
                         s.coloursUsed = 0;
                         for (size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = uint32_t(i);
                     })});
    cases.push_back({"biClrUsed 0 at 4 bits", with(Patterned(4, 4, 4), [](DibSpec& s) { s.coloursUsed = 0; })});
    cases.push_back({"indices past a short table are black", with(Patterned(8, 4, 2), [](DibSpec& s) {
                         s.palette.resize(3);
                         s.pixels = {0, 1, 2, 3, 200, 2, 1, 0};
                     })});
    cases.push_back({"24 bit with an unused colour table", with(Patterned(24, 3, 3), [](DibSpec& s) {
                         s.palette = MakePalette(5);
                     })});
    return cases;
}

TEST(Bitmap, ReadsTheRealPixelAreaWhateverTheHeaderDeclares) {
    for (const TolerantCase& c : TolerantCases()) {
        SCOPED_TRACE(c.name);
        Bitmap fromFile;
        ASSERT_TRUE(LoadFileBytes(fromFile, c.name, MakeFile(c.layout)));
        EXPECT_EQ(Held(fromFile), Expected(c.layout));
        Bitmap fromResource;
        ASSERT_TRUE(fromResource.LoadFromResourceBytes(MakeDib(c.layout)));
        EXPECT_EQ(Held(fromResource), Expected(c.layout));
    }
}

TEST(Bitmap, TruncatedPixelsLoadWithTheMissingOnesBlack) {
    // 3 by 4 at 24 bits: stored rows of 12 bytes, the bottom row first.
    const DibSpec layout = Patterned(24, 3, 4);
    const std::vector<Colour> full = Expected(layout);
    std::vector<Colour> expected(full.size(), 0);
    std::copy(full.begin() + 9, full.end(), expected.begin() + 9);  // the bottom row, whole
    expected[6] = full[6];                                           // two whole pixels of the next
    expected[7] = full[7];

    std::vector<uint8_t> file = MakeFile(layout);
    file.resize(14 + 40 + 12 + 7);
    Bitmap fromFile;
    ASSERT_TRUE(LoadFileBytes(fromFile, "truncated", file));
    EXPECT_EQ(Held(fromFile), expected);

    std::vector<uint8_t> dib = MakeDib(layout);
    dib.resize(40 + 12 + 7);
    Bitmap fromResource;
    ASSERT_TRUE(fromResource.LoadFromResourceBytes(dib));
    EXPECT_EQ(Held(fromResource), expected);
}

// The 40 by 40 catalogue picture: a magenta frame 5 pixels wide around a pattern.
DibSpec FramedIcon(uint32_t sizeImage) {
    DibSpec layout = Patterned(24, 40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 5 || y < 5 || x >= 35 || y >= 35) layout.pixels[size_t(y * 40 + x)] = Magenta;
    layout.sizeImage = sizeImage;
    return layout;
}

TEST(Bitmap, IconWithOverstatedImageSizeLoadsAndDrawsAt40By40) {
    const DibSpec layout = FramedIcon(4802);
    Bitmap icon;
    ASSERT_TRUE(icon.LoadFromResourceBytes(MakeDib(layout)));
    ASSERT_EQ(icon.Width(), 40);
    ASSERT_EQ(icon.Height(), 40);

    Canvas canvas(60, 60, Background);
    icon.Blit(canvas, 10, 10, true, Magenta);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 10 && y >= 10 && x < 50 && y < 50;
            const Colour source = inside ? layout.pixels[size_t((y - 10) * 40 + (x - 10))] : Magenta;
            const Colour want = source == Magenta ? Background : source;
            ASSERT_EQ(canvas.Pixel(x, y), want) << x << "," << y;
        }
}

TEST(Bitmap, OpaqueBlitCopiesEveryPixelKeyIncluded) {
    const DibSpec layout = FramedIcon(0);
    Bitmap icon;
    ASSERT_TRUE(icon.LoadFromResourceBytes(MakeDib(layout)));
    Canvas canvas(40, 40, Background);
    icon.Blit(canvas, 0, 0, false, Magenta);
    EXPECT_EQ(canvas.Pixels(), Expected(layout));
}

TEST(Bitmap, BlitIsClippedToTheCanvas) {
    const DibSpec layout = Patterned(24, 10, -6);
    Bitmap picture;
    ASSERT_TRUE(picture.LoadFromResourceBytes(MakeDib(layout)));
    Canvas canvas(20, 20, Background);
    picture.Blit(canvas, -3, 17, false, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x < 7 && y >= 17;
            const Colour want = inside ? layout.pixels[size_t((y - 17) * 10 + x + 3)] : Background;
            ASSERT_EQ(canvas.Pixel(x, y), want) << x << "," << y;
        }

    // Positions at the ends of the int range draw nothing and do not overflow.
    const std::vector<Colour> before = canvas.Pixels();
    for (int position : {INT_MAX, INT_MIN, INT_MAX - 5, INT_MIN + 5}) {
        picture.Blit(canvas, position, 0, true, Magenta);
        picture.Blit(canvas, 0, position, false, 0);
    }
    EXPECT_EQ(canvas.Pixels(), before);
}

// ---- Inputs that are refused ----

struct RefusedCase {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Header fields that make any bitmap undecodable, applied to a file and a resource alike.
struct FieldChange {
    const char* name;
    size_t offset;
    uint32_t value;
    int bytes = 4;
};

const FieldChange HostileFields[] = {
    {"biSize 39", 0, 39},
    {"biSize 0", 0, 0},
    {"biSize enormous", 0, 0xFFFFFFFF},
    {"biSize past the data", 0, 4000},
    {"width 0", 4, 0},
    {"width negative", 4, uint32_t(-3)},
    {"width huge", 4, uint32_t(INT32_MAX)},
    {"width just over the limit", 4, 16385},
    {"height 0", 8, 0},
    {"height INT32_MIN", 8, uint32_t(INT32_MIN)},
    {"height huge", 8, uint32_t(INT32_MAX)},
    {"height far negative", 8, uint32_t(-16385)},
    {"planes 0", 12, 0, 2},
    {"planes 2", 12, 2, 2},
    {"16 bits", 14, 16, 2},
    {"0 bits", 14, 0, 2},
    {"2 bits", 14, 2, 2},
    {"RLE8", 16, 1},
    {"RLE4", 16, 2},
    {"JPEG", 16, 4},
    {"bitfields at 24 bits", 16, 3},
    {"biClrUsed 300", 32, 300},
    {"biClrUsed 0x80000000", 32, 0x80000000},
};

// Broken pictures whose damage lies in the info header or colour table, as a resource
// and as a file (`fileHeader`: the 14 bytes before them).
std::vector<RefusedCase> RefusedPictures(const std::vector<uint8_t>& fileHeader) {
    std::vector<RefusedCase> cases;
    auto add = [&](std::string name, std::vector<uint8_t> dib) {
        dib.insert(dib.begin(), fileHeader.begin(), fileHeader.end());
        cases.push_back({std::move(name), std::move(dib)});
    };
    const std::vector<uint8_t> good = MakeDib(Patterned(24, 4, 4));
    for (const FieldChange& change : HostileFields) {
        std::vector<uint8_t> bytes = good;
        if (change.bytes == 2)
            Put16(bytes, change.offset, change.value);
        else
            Put32(bytes, change.offset, change.value);
        add(change.name, bytes);
    }
    std::vector<uint8_t> tooMany = good;  // over the pixel limit, each side below it
    Put32(tooMany, 4, 9000);
    Put32(tooMany, 8, 9000);
    add("9000 by 9000", tooMany);
    std::vector<uint8_t> oddMasks = MakeDib(Patterned(32, 2, 2, 40, 3));
    Put32(oddMasks, 40, 0x0000FF);
    Put32(oddMasks, 48, 0xFF0000);
    add("bitfields with other masks", oddMasks);
    return cases;
}

// The file header of a file whose pixels follow `pixelStart` bytes of headers.
std::vector<uint8_t> FileHeader(size_t pixelStart) {
    std::vector<uint8_t> header(14, 0);
    header[0] = 'B';
    header[1] = 'M';
    Put32(header, 10, uint32_t(14 + pixelStart));
    return header;
}

DibSpec WithPalette300() {
    DibSpec layout = Patterned(8, 4, 4);
    layout.palette = MakePalette(300);
    return layout;
}

std::vector<RefusedCase> RefusedResources() {
    std::vector<RefusedCase> cases;
    for (RefusedCase& c : RefusedPictures({})) cases.push_back(std::move(c));
    const std::vector<uint8_t> good = MakeDib(Patterned(24, 4, 4));
    cases.push_back({"empty", {}});
    cases.push_back({"shorter than the info header", std::vector<uint8_t>(good.begin(), good.begin() + 39)});
    std::vector<uint8_t> cutTable = MakeDib(Patterned(8, 4, 4));
    cutTable.resize(40 + 100);
    cases.push_back({"colour table cut short", cutTable});
    std::vector<uint8_t> noMasks = MakeDib(Patterned(32, 2, 2, 40, 3));
    noMasks.resize(46);
    cases.push_back({"bitfields without masks", noMasks});
    cases.push_back({"300 colours, all there", MakeDib(WithPalette300())});
    return cases;
}

std::vector<RefusedCase> RefusedFiles() {
    std::vector<RefusedCase> cases;
    // Pixels after 40 bytes of header, or after header and masks for the bitfields case.
    for (RefusedCase& c : RefusedPictures(FileHeader(40)))
        if (c.name != "bitfields with other masks") cases.push_back(std::move(c));
    for (RefusedCase& c : RefusedPictures(FileHeader(52)))
        if (c.name == "bitfields with other masks") cases.push_back(std::move(c));
    const std::vector<uint8_t> good = MakeFile(Patterned(24, 4, 4));
    std::vector<uint8_t> notBm = good;
    notBm[1] = 'N';
    cases.push_back({"not BM", notBm});
    cases.push_back({"13 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 13)});
    cases.push_back({"14 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 14)});
    cases.push_back({"53 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 53)});
    cases.push_back({"bfOffBits beyond the end", MakeFile(Patterned(24, 4, 4), uint32_t(good.size() + 1))});
    cases.push_back({"bfOffBits 0xFFFFFFFF", MakeFile(Patterned(24, 4, 4), 0xFFFFFFFF)});
    cases.push_back({"bfOffBits inside the info header", MakeFile(Patterned(24, 4, 4), 20)});
    cases.push_back({"bfOffBits inside the colour table", MakeFile(Patterned(8, 4, 4), 14 + 40 + 64)});
    std::vector<uint8_t> cutTable = MakeFile(Patterned(8, 4, 4));
    cutTable.resize(14 + 40 + 100);
    cases.push_back({"file ends in the colour table", cutTable});
    cases.push_back({"300 colours, all there", MakeFile(WithPalette300())});
    return cases;
}

TEST(Bitmap, RefusedResourcesLeaveTheBitmapEmpty) {
    for (const RefusedCase& c : RefusedResources()) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap(3, 3, Rgb(9, 9, 9));
        EXPECT_FALSE(bitmap.LoadFromResourceBytes(c.bytes));
        ExpectEmpty(bitmap);
    }
}

TEST(Bitmap, RefusedFilesLeaveTheBitmapEmpty) {
    for (const RefusedCase& c : RefusedFiles()) {
        SCOPED_TRACE(c.name);
        Bitmap bitmap(3, 3, Rgb(9, 9, 9));
        EXPECT_FALSE(LoadFileBytes(bitmap, c.name, c.bytes));
        ExpectEmpty(bitmap);
    }
}

TEST(Bitmap, MissingFilesAndResourcesLeaveItEmpty) {
    Bitmap bitmap(3, 3, Rgb(9, 9, 9));
    EXPECT_FALSE(bitmap.LoadFromFile(::testing::TempDir() + "no_such_bitmap.bmp"));
    ExpectEmpty(bitmap);

    ASSERT_TRUE(bitmap.CreateFilled(3, 3, Rgb(9, 9, 9)));
    EXPECT_FALSE(bitmap.LoadFromFile(::testing::TempDir()));  // a folder
    ExpectEmpty(bitmap);

    ASSERT_TRUE(bitmap.CreateFilled(3, 3, Rgb(9, 9, 9)));
    EXPECT_FALSE(bitmap.LoadFromResource(1999));  // no picture has this id
    ExpectEmpty(bitmap);
    Bitmap fromConstructor(uint16_t(2059));
    ExpectEmpty(fromConstructor);
}

TEST(Bitmap, ReleaseKeepsTheSizeButDrawsNothing) {
    Bitmap bitmap(4, 2, Rgb(7, 8, 9));
    bitmap.Release();
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.Height(), 2);
    Canvas canvas(8, 8, Background);
    bitmap.Blit(canvas, 0, 0, false, 0);
    EXPECT_EQ(canvas.Pixels(), std::vector<Colour>(64, Background));
}

TEST(Bitmap, CreateFilledMakesOneColourAndRefusesAbsurdSizes) {
    Bitmap block(3, 2, Rgb(10, 20, 30));
    EXPECT_EQ(Held(block), std::vector<Colour>(6, Rgb(10, 20, 30)));

    const struct { int width, height; } refused[] = {{0, 5}, {5, 0}, {-1, 5}, {5, -1}, {16385, 1},
                                                      {1, 16385}, {9000, 9000}, {INT_MIN, INT_MIN}};
    for (const auto& size : refused) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        Bitmap bitmap(3, 3, Rgb(9, 9, 9));
        EXPECT_FALSE(bitmap.CreateFilled(size.width, size.height, Rgb(1, 1, 1)));
        ExpectEmpty(bitmap);
    }
}

}  // namespace
