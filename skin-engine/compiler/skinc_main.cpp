// skinc: compiles one skin source (skins/<name>.skin) into a skin file (<name>.she),
// then reads the result back with the same reader the engine uses, so a file that
// the engine would refuse is never produced.
// Usage: skinc <source> <output>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "skin_reader.h"
#include "skin_source.h"
#include "skin_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinc <source.skin> <output.she>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "skinc: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const skin::SourceResult source = skin::read_source(text);
  for (const std::string& e : source.errors) std::fprintf(stderr, "%s: %s\n", argv[1], e.c_str());
  if (!source.ok()) return 1;

  const std::vector<std::uint8_t> bytes = skin::write_skin(source.skin);
  const skin::ReadResult check = skin::read_skin(bytes);
  if (!check.ok() || !(check.skin == source.skin)) {
    std::fprintf(stderr, "%s: compiled file does not read back (%s)\n", argv[1], skin::describe(check.error));
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "skinc: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
