#include "skin_source.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace skin {
namespace {

std::vector<std::string_view> split_words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<Rgb> parse_rgb(std::string_view word) {
  if (word.size() != 7 || word[0] != '#') return std::nullopt;
  std::uint32_t v = 0;
  auto [end, ec] = std::from_chars(word.data() + 1, word.data() + 7, v, 16);
  if (ec != std::errc{} || end != word.data() + 7) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
             static_cast<std::uint8_t>(v)};
}

std::optional<long> parse_int(std::string_view word) {
  long v = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  return v;
}

template <typename Id, std::size_t N>
std::optional<std::size_t> find_id(std::string_view name, const char* (*name_of)(Id)) {
  for (std::size_t i = 0; i < N; ++i)
    if (name == name_of(static_cast<Id>(i))) return i;
  return std::nullopt;
}

class SourceReader {
 public:
  explicit SourceReader(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) {
        if (start < text.size()) lines_.push_back(text.substr(start));  // last line without '\n'
        break;
      }
      lines_.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  SourceResult run() {
    while (next_ < lines_.size()) {
      const std::size_t number = next_ + 1;
      std::string_view line = lines_[next_++];
      const auto words = split_words(line);
      if (words.empty() || words[0][0] == '#') continue;  // blank or comment line
      statement(number, words);
    }
    check_complete();
    return std::move(result_);
  }

 private:
  void error(std::size_t line, const std::string& what) {
    result_.errors.push_back("line " + std::to_string(line) + ": " + what);
  }

  void statement(std::size_t line, const std::vector<std::string_view>& w) {
    const std::string_view kind = w[0];
    if (kind == "name") {
      if (w.size() != 2 || w[1].size() > kMaxNameBytes) return error(line, "name takes one short word");
      if (name_set_) return error(line, "name given twice");
      name_set_ = true;
      result_.skin.name = std::string(w[1]);
    } else if (kind == "color") {
      if (w.size() != 3) return error(line, "color takes a name and #RRGGBB");
      auto id = find_id<ColorId, kColorCount>(w[1], color_name);
      auto rgb = parse_rgb(w[2]);
      if (!id) return error(line, "unknown color '" + std::string(w[1]) + "'");
      if (!rgb) return error(line, "bad colour value");
      if (colors_set_[*id]) return error(line, "color set twice");
      colors_set_[*id] = true;
      result_.skin.colors[*id] = *rgb;
    } else if (kind == "gradient") {
      if (w.size() != 4 && w.size() != 5) return error(line, "gradient takes a name and two colours");
      auto id = find_id<GradientId, kGradientCount>(w[1], gradient_name);
      auto from = parse_rgb(w[2]), to = parse_rgb(w[3]);
      if (!id) return error(line, "unknown gradient '" + std::string(w[1]) + "'");
      if (!from || !to) return error(line, "bad colour value");
      if (w.size() == 5 && w[4] != "horizontal") return error(line, "only 'horizontal' may follow");
      if (gradients_set_[*id]) return error(line, "gradient set twice");
      gradients_set_[*id] = true;
      result_.skin.gradients[*id] = Gradient{*from, *to, w.size() == 5};
    } else if (kind == "metric") {
      if (w.size() != 3) return error(line, "metric takes a name and a number");
      auto id = find_id<MetricId, kMetricCount>(w[1], metric_name);
      auto value = parse_int(w[2]);
      if (!id) return error(line, "unknown metric '" + std::string(w[1]) + "'");
      const MetricRange range = metric_range(static_cast<MetricId>(*id));
      if (!value || *value < range.min || *value > range.max)
        return error(line, "metric out of range " + std::to_string(range.min) + ".." + std::to_string(range.max));
      if (metrics_set_[*id]) return error(line, "metric set twice");
      metrics_set_[*id] = true;
      result_.skin.metrics[*id] = static_cast<std::int16_t>(*value);
    } else if (kind == "font") {
      if (w.size() < 4) return error(line, "font takes a name, height and weight");
      auto id = find_id<FontId, kFontCount>(w[1], font_name);
      auto height = parse_int(w[2]), weight = parse_int(w[3]);
      if (!id) return error(line, "unknown font '" + std::string(w[1]) + "'");
      if (!height || *height < -72 || *height > 72 || !weight || *weight < 0 || *weight > 1000)
        return error(line, "bad font height or weight");
      FontSpec font{static_cast<std::int16_t>(*height), static_cast<std::uint16_t>(*weight), false, {}};
      std::size_t i = 4;
      if (i < w.size() && w[i] == "italic") font.italic = true, ++i;
      for (; i < w.size(); ++i) font.face += (font.face.empty() ? "" : " ") + std::string(w[i]);
      if (font.face.size() > kMaxFaceBytes) return error(line, "font face name too long");
      for (unsigned char c : font.face)
        if (c < 0x20 || c > 0x7E) return error(line, "font face must be ASCII");
      result_.skin.fonts[*id] = font;
    } else if (kind == "bitmap") {
      bitmap(line, w);
    } else {
      error(line, "unknown statement '" + std::string(kind) + "'");
    }
  }

  void bitmap(std::size_t line, const std::vector<std::string_view>& w) {
    if (w.size() != 4) return error(line, "bitmap takes a name, width and height");
    auto id = find_id<BitmapId, kBitmapCount>(w[1], bitmap_name);
    auto width = parse_int(w[2]), height = parse_int(w[3]);
    if (!id) return error(line, "unknown bitmap '" + std::string(w[1]) + "'");
    if (!width || !height || *width < 1 || *height < 1 || *width > kMaxBitmapSide || *height > kMaxBitmapSide)
      return error(line, "bitmap size out of range");
    Bitmap bitmap{static_cast<std::uint16_t>(*width), static_cast<std::uint16_t>(*height), {}};
    for (long row = 0; row < *height; ++row) {
      if (next_ >= lines_.size()) return error(line, "bitmap ends early");
      const std::size_t number = next_ + 1;
      const auto px = split_words(lines_[next_++]);
      if (static_cast<long>(px.size()) != *width) return error(number, "bitmap row has the wrong width");
      for (auto word : px) {
        std::uint32_t v = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v, 16);
        if (word.size() != 8 || ec != std::errc{} || end != word.data() + word.size())
          return error(number, "pixel must be AARRGGBB");
        bitmap.pixels.push_back(v);
      }
    }
    result_.skin.bitmaps[*id] = std::move(bitmap);
  }

  void check_complete() {
    if (!name_set_) error(0, "missing name");
    for (std::size_t i = 0; i < kColorCount; ++i)
      if (!colors_set_[i]) error(0, std::string("missing color ") + color_name(static_cast<ColorId>(i)));
    for (std::size_t i = 0; i < kGradientCount; ++i)
      if (!gradients_set_[i]) error(0, std::string("missing gradient ") + gradient_name(static_cast<GradientId>(i)));
    for (std::size_t i = 0; i < kMetricCount; ++i)
      if (!metrics_set_[i]) error(0, std::string("missing metric ") + metric_name(static_cast<MetricId>(i)));
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
  SourceResult result_;
  bool name_set_ = false;
  std::array<bool, kColorCount> colors_set_{};
  std::array<bool, kGradientCount> gradients_set_{};
  std::array<bool, kMetricCount> metrics_set_{};
};

}  // namespace

SourceResult read_source(std::string_view text) { return SourceReader(text).run(); }

}  // namespace skin
