// The artwork files must load in Windows as they are: these check the BMP and ICO layouts
// byte by byte on small pictures, and the toolbar strips' size, palettes and transparency.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "artgen/app_icon_art.hpp"
#include "artgen/bmp_encode.hpp"
#include "artgen/ico_encode.hpp"
#include "artgen/palette_quantise.hpp"
#include "artgen/toolbar_art.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }
std::int32_t i32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

TEST(ArtgenBmp, HeadersPaletteAndBottomUpNibbleRows) {
    artgen::IndexedImage img(3, 2);  // 3 pixels of 4 bits: 2 bytes, padded to a 4-byte row
    img.indices = {1, 2, 3,   // top row
                   4, 5, 15}; // bottom row
    img.palette[0] = artgen::kTransparencyKey;
    img.palette[15] = {10, 20, 30};
    const Bytes b = artgen::encode_bmp4(img);

    ASSERT_EQ(b.size(), 14u + 40 + 64 + 2 * 4);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size());
    EXPECT_EQ(u32(b, 10), 14u + 40 + 64);  // pixel data offset
    EXPECT_EQ(u32(b, 14), 40u);            // BITMAPINFOHEADER
    EXPECT_EQ(i32(b, 18), 3);
    EXPECT_EQ(i32(b, 22), 2);  // positive: bottom-up
    EXPECT_EQ(u16(b, 26), 1u);
    EXPECT_EQ(u16(b, 28), 4u);
    EXPECT_EQ(u32(b, 30), 0u);  // BI_RGB
    EXPECT_EQ(u32(b, 46), 16u);
    // RGBQUADs are blue, green, red, 0.
    EXPECT_EQ((Bytes{b[54], b[55], b[56], b[57]}), (Bytes{255, 0, 255, 0}));
    EXPECT_EQ((Bytes{b[114], b[115], b[116], b[117]}), (Bytes{30, 20, 10, 0}));
    // Bottom row first, leftmost pixel in the high nibble, zero padding.
    EXPECT_EQ((Bytes(b.begin() + 118, b.end())), (Bytes{0x45, 0xF0, 0, 0, 0x12, 0x30, 0, 0}));
}

TEST(ArtgenIco, HeadersBottomUpBgraAndAndMask) {
    artgen::RgbaImage img(2, 2);
    img.at(0, 0) = {1, 2, 3, 255};  // top-left, opaque
    img.at(1, 0) = {4, 5, 6, 0};    // top-right, clear
    img.at(0, 1) = {7, 8, 9, 1};    // bottom-left, nearly clear
    img.at(1, 1) = {10, 11, 12, 128};
    const Bytes b = artgen::encode_ico32(img);

    const std::size_t image_bytes = 40 + 2 * 2 * 4 + 2 * 4;  // mask rows pad to 4 bytes
    ASSERT_EQ(b.size(), 6 + 16 + image_bytes);
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 1u);  // icon
    EXPECT_EQ(u16(b, 4), 1u);  // one image
    EXPECT_EQ(b[6], 2);
    EXPECT_EQ(b[7], 2);
    EXPECT_EQ(u16(b, 10), 1u);
    EXPECT_EQ(u16(b, 12), 32u);
    EXPECT_EQ(u32(b, 14), image_bytes);
    EXPECT_EQ(u32(b, 18), 22u);
    EXPECT_EQ(u32(b, 22), 40u);
    EXPECT_EQ(i32(b, 26), 2);
    EXPECT_EQ(i32(b, 30), 4);  // colour rows and mask rows together
    EXPECT_EQ(u16(b, 36), 32u);
    // Bottom row first; a clear pixel is black so a drawing by mask leaves the screen as it is.
    EXPECT_EQ((Bytes(b.begin() + 62, b.begin() + 78)),
              (Bytes{9, 8, 7, 1, 12, 11, 10, 128, 3, 2, 1, 255, 0, 0, 0, 0}));
    // Only the fully clear pixel is masked out.
    EXPECT_EQ((Bytes(b.begin() + 78, b.end())), (Bytes{0, 0, 0, 0, 0x40, 0, 0, 0}));
}

TEST(ArtgenIco, RejectsSidesOutsideTheFormat) {
    EXPECT_TRUE(artgen::encode_ico32(artgen::RgbaImage(0, 16)).empty());
    EXPECT_TRUE(artgen::encode_ico32(artgen::RgbaImage(257, 16)).empty());
    const Bytes b = artgen::encode_ico32(artgen::RgbaImage(256, 1));
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b[6], 0);  // 256 is written as 0
}

TEST(ArtgenIcon, OpaqueGlobeOnClearCorners) {
    const artgen::RgbaImage icon = artgen::draw_app_icon();
    ASSERT_EQ(icon.width, 48);
    ASSERT_EQ(icon.height, 48);
    EXPECT_EQ(icon.at(0, 0).a, 0);
    EXPECT_EQ(icon.at(47, 0).a, 0);
    const artgen::Rgba8 centre = icon.at(24, 22);
    EXPECT_EQ(centre.a, 255);
    EXPECT_GT(centre.b, centre.r);  // the globe is blue
}

TEST(ArtgenToolbar, StripsShareThePicturesWithColourAndGreyPalettes) {
    const artgen::ToolbarStrips s = artgen::make_toolbar_strips();
    const int key = artgen::kToolbarKeyIndex;
    for (const artgen::IndexedImage* img : {&s.normal, &s.hot}) {
        ASSERT_EQ(img->width, 154);
        ASSERT_EQ(img->height, 20);
        int keys = 0;
        for (const artgen::Rgb8& c : img->palette) keys += c == artgen::kTransparencyKey;
        EXPECT_EQ(keys, 1);
        EXPECT_EQ(img->palette[key], artgen::kTransparencyKey);
        // Image lists mask 4-bit images with raster operations on the indices themselves.
        EXPECT_EQ(img->palette[0], (artgen::Rgb8{0, 0, 0}));
        EXPECT_EQ(img->palette[15], (artgen::Rgb8{255, 255, 255}));
    }
    EXPECT_EQ(s.hot.indices, s.normal.indices);
    for (int i = 0; i < 16; ++i) {
        if (i == key) continue;
        const artgen::Rgb8 c = s.hot.palette[i];
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << "hot palette entry " << i;
    }
    // Every cell holds a picture on a see-through background.
    for (int cell = 0; cell < artgen::kToolbarImageCount; ++cell) {
        int drawn = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 22; ++x) drawn += s.normal.at(cell * 22 + x, y) != key;
        EXPECT_GT(drawn, 22 * 20 / 4) << "cell " << cell;
        EXPECT_LT(drawn, 22 * 20) << "cell " << cell;
    }
}

TEST(ArtgenQuantise, HalfClearPixelsBecomeTheKeyAndOthersTheNearestColour) {
    artgen::Palette16 pal{};
    pal.fill({0, 0, 0});
    pal[3] = artgen::kTransparencyKey;
    pal[7] = {250, 0, 250};  // near the key colour, but a real colour
    artgen::RgbaImage img(3, 1);
    img.at(0, 0) = {255, 0, 255, 255};
    img.at(1, 0) = {255, 0, 255, 127};
    img.at(2, 0) = {5, 5, 5, 128};
    const artgen::IndexedImage q = artgen::quantise(img, pal, 3);
    EXPECT_EQ(q.indices, (std::vector<std::uint8_t>{7, 3, 0}));
}

}  // namespace
