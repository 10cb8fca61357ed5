#include "app/program_handlers.h"

#include "app/layout_rule.h"
#include "skins/apply_skin.h"

namespace tavrin {

std::optional<std::int32_t> ProgramHandlers::OnEvent(const ui::Event& event) {
  switch (event.window) {
    case ui::WindowId::Main:
      return OnMainWindowEvent(event);
    case ui::WindowId::About:
    case ui::WindowId::Favorites:
      break;
  }
  return std::nullopt;
}

std::optional<std::int32_t> ProgramHandlers::OnMainWindowEvent(const ui::Event& event) {
  using ui::EventKind;
  switch (event.kind) {
    case EventKind::Created:
      ApplySkin(kDefaultSkin, context_.skins, context_.system, context_.external);
      break;
    case EventKind::SizeChanged:
      RunLayoutRule(context_.windows);
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace tavrin
