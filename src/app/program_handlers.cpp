#include "app/program_handlers.h"

#include "app/layout_rule.h"
#include "skins/apply_skin.h"

namespace tavrin {

std::optional<std::int32_t> ProgramHandlers::OnEvent(const ui::Event& event) {
  if (event.window == ui::WindowId::Main && event.control.empty()) {
    if (event.kind == ui::EventKind::Created) {
      ApplySkin(kDefaultSkin, context_.skins, context_.system, context_.external);
      return std::nullopt;
    }
    if (event.kind == ui::EventKind::SizeChanged) {
      RunLayoutRule(context_.windows);
      return std::nullopt;
    }
  }
  std::optional<std::int32_t> answer;
  for (auto& feature : features_) {
    if (feature->OnEvent(event, answer)) return answer;
  }
  return std::nullopt;  // items and controls without a handler do nothing
}

}  // namespace tavrin
