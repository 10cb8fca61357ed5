#include "artgen/ico_encode.hpp"

#include "artgen/byte_writer.hpp"

namespace artgen {

std::vector<std::uint8_t> encode_ico32(const RgbaImage& image) {
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256) return {};
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t xor_bytes = w * h * 4;
    const std::uint32_t mask_row = ((w + 31) / 32) * 4;
    const std::uint32_t and_bytes = mask_row * h;
    const std::uint32_t image_bytes = 40 + xor_bytes + and_bytes;

    ByteWriter out;
    // ICONDIR
    out.u16(0);
    out.u16(1);  // icon, not cursor
    out.u16(1);  // one image
    // ICONDIRENTRY; a side of 256 is written as 0.
    out.u8(static_cast<std::uint8_t>(w & 0xFF));
    out.u8(static_cast<std::uint8_t>(h & 0xFF));
    out.u8(0);  // no palette
    out.u8(0);
    out.u16(1);   // planes
    out.u16(32);  // bits per pixel
    out.u32(image_bytes);
    out.u32(6 + 16);
    // BITMAPINFOHEADER: the height counts the colour rows and the mask rows together.
    out.u32(40);
    out.i32(image.width);
    out.i32(image.height * 2);
    out.u16(1);
    out.u16(32);
    out.u32(0);  // BI_RGB
    out.u32(xor_bytes + and_bytes);
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
    // Where the AND mask lets the background through, a drawing by mask XORs the colour
    // onto the screen (Wine does so when it shrinks the icon): such pixels must be black.
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            Rgba8 p = image.at(x, y);
            if (p.a == 0) p = {};
            out.u8(p.b);
            out.u8(p.g);
            out.u8(p.r);
            out.u8(p.a);
        }
    }
    // AND mask: a set bit lets the background through where a display ignores the alpha.
    // Only fully clear pixels are set, so soft edges keep their colour there.
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_row, 0);
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y).a == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.bytes(row);
    }
    return out.take();
}

}  // namespace artgen
