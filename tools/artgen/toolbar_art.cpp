#include "artgen/toolbar_art.hpp"

#include <cmath>
#include <numbers>
#include <optional>

#include "artgen/canvas.hpp"
#include "artgen/palette_quantise.hpp"
#include "artgen/shapes.hpp"

namespace artgen {
namespace {

// The palette is chosen for these pictures: three shades each of blue, green and red,
// a ramp of neutrals, and yellow for the house.
constexpr Palette16 kPalette{{
    {255, 0, 255},    // 0 transparency key
    {24, 28, 40},     // 1 outline
    {92, 96, 106},    // 2 dark grey
    {152, 156, 164},  // 3 grey
    {208, 210, 216},  // 4 light grey
    {255, 255, 255},  // 5 white
    {18, 58, 142},    // 6 dark blue
    {46, 114, 216},   // 7 blue
    {134, 188, 250},  // 8 light blue
    {20, 98, 32},     // 9 dark green
    {48, 162, 58},    // 10 green
    {142, 222, 112},  // 11 light green
    {132, 22, 18},    // 12 dark red
    {216, 42, 32},    // 13 red
    {250, 122, 92},   // 14 light red
    {252, 214, 96},   // 15 yellow
}};

Colour pal(int i) { return rgb(kPalette[i].r, kPalette[i].g, kPalette[i].b); }

const Colour kOutline = pal(1), kDarkGrey = pal(2), kGrey = pal(3), kLightGrey = pal(4), kWhite = pal(5),
             kDarkBlue = pal(6), kBlue = pal(7), kLightBlue = pal(8), kDarkGreen = pal(9), kGreen = pal(10),
             kLightGreen = pal(11), kDarkRed = pal(12), kRed = pal(13), kLightRed = pal(14), kYellow = pal(15);

Paint vertical(Colour top, Colour bottom, double y0, double y1) {
    return [=](double, double y) { return mix(top, bottom, (y - y0) / (y1 - y0)); };
}

// A filled shape with a 1-pixel outline and a lit top-left inner edge.
struct Layer {
    Paint fill;
    Colour edge;
    std::optional<Colour> light{};
};

Mask draw(Canvas& c, const Shape& s, const Layer& l) {
    const Mask m = c.rasterise(s);
    c.fill(m, l.fill);
    if (l.light) {
        const Mask inner = m - m.border();
        Mask lit(m.width(), m.height());
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x)
                lit.set(x, y, inner.has(x, y) && (!inner.has(x - 1, y) || !inner.has(x, y - 1)));
        c.fill(lit, solid(*l.light));
    }
    c.fill(m.border(), solid(l.edge));
    return m;
}

constexpr double W = kToolbarCellWidth;

Shape back_arrow() {
    return polygon({{1, 10}, {10, 1}, {10, 6}, {20, 6}, {20, 14}, {10, 14}, {10, 19}});
}

void draw_arrow(Canvas& c, bool forward) {
    Shape s = back_arrow();
    if (forward) s = mirrored(s, W);
    draw(c, s, {vertical(kLightBlue, kDarkBlue, 2, 18), kDarkBlue, kLightBlue});
}

void draw_stop(Canvas& c) {
    const Point centre{11, 10};
    const Paint shade = [=](double x, double y) {
        const double d = std::hypot(x - (centre.x - 3), y - (centre.y - 3)) / 13.0;
        return d < 0.45 ? mix(kLightRed, kRed, d / 0.45) : mix(kRed, kDarkRed, (d - 0.45) / 0.55);
    };
    draw(c, circle(centre, 9), {shade, kDarkRed});
    const Shape cross = either(segment({7.5, 6}, {14.5, 14}, 2.6), segment({14.5, 6}, {7.5, 14}, 2.6));
    c.fill(c.rasterise(cross), solid(kWhite));
}

// A band around `centre` from one angle to another, ending in an arrowhead that points on clockwise.
Shape circular_arrow(Point centre, double inner, double outer, double from_deg, double to_deg) {
    const double t = to_deg * std::numbers::pi / 180.0;
    const double mid = (inner + outer) / 2, half = (outer - inner) / 2 + 2.5;
    const Point base{centre.x + mid * std::cos(t), centre.y + mid * std::sin(t)};
    const Point radial{std::cos(t), std::sin(t)};
    const Point ahead{-std::sin(t), std::cos(t)};
    const Shape head = polygon({{base.x + radial.x * half, base.y + radial.y * half},
                                {base.x - radial.x * half, base.y - radial.y * half},
                                {base.x + ahead.x * 4.6, base.y + ahead.y * 4.6}});
    return either(arc_band(centre, inner, outer, from_deg, to_deg), head);
}

void draw_refresh(Canvas& c) {
    const Shape page = polygon({{1, 0}, {9, 0}, {13, 4}, {13, 17}, {1, 17}});
    draw(c, page, {solid(kWhite), kDarkGrey});
    draw(c, polygon({{8, 0}, {13, 5}, {8, 5}}), {solid(kLightGrey), kDarkGrey});
    for (double y : {3.0, 5.0, 7.0}) c.fill(rect(3, y, 7, y + 1), solid(kGrey));
    const Point centre{14, 12};
    const Layer arrow{vertical(kLightGreen, kGreen, 5, 19), kDarkGreen};
    draw(c, circular_arrow(centre, 3.2, 7.0, 165, 290), arrow);
    draw(c, circular_arrow(centre, 3.2, 7.0, 345, 110), arrow);
}

void draw_home(Canvas& c) {
    draw(c, rect(14, 2, 17, 8), {solid(kRed), kDarkRed});                                   // chimney
    draw(c, rect(3, 9, 19, 19), {vertical(kYellow, kYellow, 9, 19), kOutline, kWhite});      // walls
    draw(c, polygon({{11, 0.5}, {21.5, 11}, {0.5, 11}}), {vertical(kLightRed, kRed, 1, 10), kDarkRed});  // roof
    draw(c, rect(5, 12, 10, 19), {vertical(kRed, kDarkRed, 12, 19), kOutline});             // door
    draw(c, rect(12, 12, 17, 17), {solid(kLightBlue), kOutline, kWhite});                     // window
}

void draw_printer(Canvas& c) {
    draw(c, rect(5, 0, 17, 9), {solid(kWhite), kDarkGrey});                                  // paper going in
    for (double y : {3.0, 5.0}) c.fill(rect(7, y, 15, y + 1), solid(kGrey));
    draw(c, rect(1, 8, 21, 17), {vertical(kLightGrey, kGrey, 8, 17), kOutline, kWhite});      // body
    c.fill(rect(16, 10, 19, 12), solid(kGreen));                                              // power light
    draw(c, rect(4, 13, 18, 20), {solid(kWhite), kDarkGrey});                                // printed page
    c.fill(rect(6, 16, 16, 17), solid(kGrey));
}

void draw_font(Canvas& c) {
    const Shape outer = polygon({{8, 1}, {14, 1}, {21, 19}, {15.5, 19}, {14, 15}, {8, 15}, {6.5, 19}, {1, 19}});
    const Shape counter = polygon({{8.6, 12}, {13.4, 12}, {11, 5.2}});
    draw(c, except(outer, counter), {vertical(kBlue, kDarkBlue, 1, 19), kOutline});
}

}  // namespace

Palette16 toolbar_palette() { return kPalette; }

RgbaImage draw_toolbar() {
    using DrawFn = void (*)(Canvas&);
    const DrawFn cells[kToolbarImageCount] = {
        [](Canvas& c) { draw_arrow(c, false); }, [](Canvas& c) { draw_arrow(c, true); }, draw_stop, draw_refresh,
        draw_home, draw_printer, draw_font,
    };
    RgbaImage strip(kToolbarCellWidth * kToolbarImageCount, kToolbarCellHeight);
    for (int i = 0; i < kToolbarImageCount; ++i) {
        Canvas c(kToolbarCellWidth, kToolbarCellHeight);
        cells[i](c);
        const RgbaImage cell = c.to_image();
        for (int y = 0; y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x) strip.at(i * kToolbarCellWidth + x, y) = cell.at(x, y);
    }
    return strip;
}

ToolbarStrips make_toolbar_strips() {
    ToolbarStrips s;
    s.normal = quantise(draw_toolbar(), kPalette, kToolbarKeyIndex);
    s.hot = s.normal;
    s.hot.palette = grey_palette(kPalette, kToolbarKeyIndex);
    return s;
}

}  // namespace artgen
