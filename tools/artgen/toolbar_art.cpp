#include "artgen/toolbar_art.hpp"

#include <cmath>
#include <numbers>
#include <optional>

#include "artgen/canvas.hpp"
#include "artgen/palette_quantise.hpp"
#include "artgen/shapes.hpp"

namespace artgen {
namespace {

// The sixteen colours of the Windows default palette, in its order. A 4-bit image list
// masks its images with raster operations that work on palette indices, so black has to be
// index 0 and white index 15; other colour tables come out with broken masks (seen under Wine).
constexpr Palette16 kPalette{{
    {0, 0, 0},        // 0 black
    {128, 0, 0},      // 1 maroon
    {0, 128, 0},      // 2 green
    {128, 128, 0},    // 3 olive
    {0, 0, 128},      // 4 navy
    {128, 0, 128},    // 5 purple
    {0, 128, 128},    // 6 teal
    {192, 192, 192},  // 7 silver
    {128, 128, 128},  // 8 grey
    {255, 0, 0},      // 9 red
    {0, 255, 0},      // 10 lime
    {255, 255, 0},    // 11 yellow
    {0, 0, 255},      // 12 blue
    {255, 0, 255},    // 13 magenta: the transparency key
    {0, 255, 255},    // 14 cyan
    {255, 255, 255},  // 15 white
}};

Colour pal(int i) { return rgb(kPalette[i].r, kPalette[i].g, kPalette[i].b); }

const Colour kBlack = pal(0), kMaroon = pal(1), kGreen = pal(2), kNavy = pal(4), kTeal = pal(6),
             kSilver = pal(7), kGrey = pal(8), kRed = pal(9), kLime = pal(10), kYellow = pal(11), kBlue = pal(12),
             kCyan = pal(14), kWhite = pal(15);

// Shading in whole palette colours, so nothing is left for the quantiser to guess:
// `top` above the row `split`, `bottom` from there down.
Paint bands(Colour top, Colour bottom, double split) {
    return [=](double, double y) { return y < split ? top : bottom; };
}

// A filled shape with a 1-pixel outline and, if `light` is given, a lit top-left inner edge.
struct Layer {
    Paint fill;
    Colour edge;
    std::optional<Colour> light{};
};

void draw(Canvas& c, const Shape& s, const Layer& l) {
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
}

constexpr double W = kToolbarCellWidth;

Shape back_arrow() {
    return polygon({{1, 10}, {10, 1}, {10, 6}, {20, 6}, {20, 14}, {10, 14}, {10, 19}});
}

void draw_arrow(Canvas& c, bool forward) {
    Shape s = back_arrow();
    if (forward) s = mirrored(s, W);
    draw(c, s, {solid(kTeal), kNavy, kCyan});
}

void draw_stop(Canvas& c) {
    const Point centre{11, 10};
    // Lit from the top left: maroon towards the lower right.
    const Paint shade = [=](double x, double y) { return (x - centre.x) + (y - centre.y) > 8 ? kMaroon : kRed; };
    draw(c, circle(centre, 9), {shade, kMaroon});
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
    draw(c, page, {solid(kWhite), kGrey});
    draw(c, polygon({{8, 0}, {13, 5}, {8, 5}}), {solid(kSilver), kGrey});
    for (double y : {3.0, 5.0, 7.0}) c.fill(rect(3, y, 7, y + 1), solid(kSilver));
    const Point centre{14, 12};
    const Layer arrow{solid(kGreen), kBlack, kLime};
    draw(c, circular_arrow(centre, 3.2, 7.0, 165, 290), arrow);
    draw(c, circular_arrow(centre, 3.2, 7.0, 345, 110), arrow);
}

void draw_home(Canvas& c) {
    draw(c, rect(14, 2, 17, 8), {solid(kRed), kBlack});                                     // chimney
    draw(c, rect(3, 9, 19, 19), {solid(kYellow), kBlack, kWhite});                           // walls
    draw(c, polygon({{11, 0.5}, {21.5, 11}, {0.5, 11}}), {bands(kRed, kMaroon, 8), kBlack});  // roof
    draw(c, rect(5, 12, 10, 19), {solid(kMaroon), kBlack});                                  // door
    draw(c, rect(12, 12, 17, 17), {solid(kCyan), kBlack, kWhite});                            // window
}

void draw_printer(Canvas& c) {
    draw(c, rect(5, 0, 17, 9), {solid(kWhite), kGrey});                                      // paper going in
    for (double y : {3.0, 5.0}) c.fill(rect(7, y, 15, y + 1), solid(kSilver));
    draw(c, rect(1, 8, 21, 17), {bands(kSilver, kGrey, 15), kBlack, kWhite});                // body
    c.fill(rect(16, 10, 19, 12), solid(kLime));                                               // power light
    draw(c, rect(4, 13, 18, 20), {solid(kWhite), kGrey});                                    // printed page
    c.fill(rect(6, 16, 16, 17), solid(kSilver));
}

void draw_font(Canvas& c) {
    const Shape outer = polygon({{8, 1}, {14, 1}, {21, 19}, {15.5, 19}, {14, 15}, {8, 15}, {6.5, 19}, {1, 19}});
    const Shape counter = polygon({{8.6, 12}, {13.4, 12}, {11, 5.2}});
    draw(c, except(outer, counter), {solid(kBlue), kNavy});
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
    s.hot.palette = grey_palette(kPalette, kToolbarKeyIndex);  // keeps black at 0 and white at 15
    return s;
}

}  // namespace artgen
