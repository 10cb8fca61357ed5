#include "skins/apply_skin.h"

namespace tavrin {

int SkinIndexFor(int number) { return number < 1 || number > kSkinCount ? 0 : number - 1; }

std::string SkinFilePath(SystemServices& system, int number) {
  return system.GetSpecialFolder(SpecialFolder::Temporary) +
         std::string(kSkinNames[SkinIndexFor(number)]) + ".she";
}

void ApplySkin(int number, SkinCatalogue catalogue, SystemServices& system,
               ExternalEntryTable& external) {
  const SkinEntry& skin = catalogue[SkinIndexFor(number)];
  const std::string path = SkinFilePath(system, number);
  if (!system.FileExists(path)) system.WriteWholeFile(path, skin.content);

  const std::string ansi_path = system.ToAnsi(path);
  static constexpr char kEmpty[] = "";  // a pointer to an empty text, never a null pointer
  external.Call(ExternalEntry::SkinAttach,
                {reinterpret_cast<ExternalArg>(ansi_path.c_str()),
                 reinterpret_cast<ExternalArg>(kEmpty)});
}

}  // namespace tavrin
