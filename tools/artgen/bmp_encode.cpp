#include "artgen/bmp_encode.hpp"

#include "artgen/byte_writer.hpp"

namespace artgen {

std::vector<std::uint8_t> encode_bmp4(const IndexedImage& image) {
    // Each row is padded to a whole number of 32-bit words.
    const std::uint32_t row_bytes = ((static_cast<std::uint32_t>(image.width) * 4 + 31) / 32) * 4;
    const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
    const std::uint32_t pixel_offset = 14 + 40 + 16 * 4;

    ByteWriter w;
    // BITMAPFILEHEADER
    w.u8('B');
    w.u8('M');
    w.u32(pixel_offset + pixel_bytes);
    w.u16(0);
    w.u16(0);
    w.u32(pixel_offset);
    // BITMAPINFOHEADER; a positive height means the rows are stored bottom-up.
    w.u32(40);
    w.i32(image.width);
    w.i32(image.height);
    w.u16(1);   // planes
    w.u16(4);   // bits per pixel
    w.u32(0);   // BI_RGB
    w.u32(pixel_bytes);
    w.i32(2835);  // 72 dpi
    w.i32(2835);
    w.u32(16);  // colours used
    w.u32(0);   // all colours important
    for (const Rgb8& c : image.palette) {  // RGBQUAD order
        w.u8(c.b);
        w.u8(c.g);
        w.u8(c.r);
        w.u8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(row_bytes, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t v = image.at(x, y) & 0x0F;
            row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(v << 4) : v;  // leftmost pixel in the high nibble
        }
        w.bytes(row);
    }
    return w.take();
}

}  // namespace artgen
