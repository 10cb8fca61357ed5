// artgen <output folder>: draws the program's icon and toolbar strips into the folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "artgen/app_icon_art.hpp"
#include "artgen/bmp_encode.hpp"
#include "artgen/ico_encode.hpp"
#include "artgen/toolbar_art.hpp"

namespace {

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "artgen: cannot write %s\n", path.string().c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "artgen: cannot create %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return 1;
    }
    const artgen::ToolbarStrips strips = artgen::make_toolbar_strips();
    const bool ok = write_file(dir / "app.ico", artgen::encode_ico32(artgen::draw_app_icon())) &&
                    write_file(dir / "toolbar_normal.bmp", artgen::encode_bmp4(strips.normal)) &&
                    write_file(dir / "toolbar_hot.bmp", artgen::encode_bmp4(strips.hot));
    return ok ? 0 : 1;
}
