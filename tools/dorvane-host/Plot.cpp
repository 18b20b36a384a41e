#include "Plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace dorvane_host {

namespace {

constexpr double kPageWidth = 1100.0;
constexpr double kPageHeight = 560.0;
constexpr std::size_t kMostPoints = 4000;  // beyond this a line is thinned, keeping its last point
constexpr int kArrows = 20;                // viewing directions drawn along the path
constexpr double kNone = std::numeric_limits<double>::infinity();  // the start of a range that takes in nothing yet

struct Box {
    double left, top, width, height;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

struct Range {
    double lo, hi;
    // Half the width: a difference of halves, which stays finite for any
    // two finite doubles.
    double HalfSpan() const { return hi / 2 - lo / 2; }
};

// A scale from data to page: lo..hi onto `from`..`to` (which may run
// backwards, for an axis that grows upward).
struct Scale {
    Range data;
    double from, to;
    double operator()(double value) const {
        return from + (value / 2 - data.lo / 2) / data.HalfSpan() * (to - from);
    }
};

// Widens `lo..hi` to take in a value, if it is a number at all.
void Take(double value, double& lo, double& hi) {
    if (!std::isfinite(value)) return;
    lo = std::min(lo, value);
    hi = std::max(hi, value);
}

std::string Fixed(double value, int decimals = 2) {
    char text[48];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return text;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
        }
    }
    return out;
}

Range Padded(double lo, double hi) {
    const double half = hi / 2 - lo / 2;
    const double pad = std::max({half * 0.1, std::fabs(hi) * 0.05, std::fabs(lo) * 0.05, 1.0e-6});
    const double grow = half < 0.5e-9 ? pad * 4 : pad;
    // Beyond the largest double a page position is no longer a number.
    const double most = std::numeric_limits<double>::max();
    return {std::max(-most, lo - grow), std::min(most, hi + grow)};
}

// A round tick step (1, 2 or 5 times a power of ten) giving about five ticks.
double TickStep(const Range& range) {
    const double rough = range.HalfSpan() / 2.5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) return factor * power;
    }
    return 10.0 * power;
}

// A tick's value with the digits its step needs: fixed for everyday sizes,
// scientific for huge or tiny ones ("1.5e+308", "2e-07").
std::string TickLabel(double tick, double step) {
    if (tick == 0.0 || std::fabs(tick) < step / 2) return "0";
    const int step_digits = static_cast<int>(std::floor(std::log10(step)));
    if (std::fabs(tick) < 1.0e6 && step_digits >= -4) return Fixed(tick, std::max(0, -step_digits));
    const int tick_digits = static_cast<int>(std::floor(std::log10(std::fabs(tick))));
    char text[48];
    std::snprintf(text, sizeof(text), "%.*e", std::clamp(tick_digits - step_digits, 0, 15), tick);
    return text;
}

void Axes(std::ostream& out, const Box& box, const Scale& x, const Scale& y, const std::string& x_label,
          const std::string& y_label) {
    out << "  <rect x=\"" << Fixed(box.left) << "\" y=\"" << Fixed(box.top) << "\" width=\"" << Fixed(box.width)
        << "\" height=\"" << Fixed(box.height) << "\" fill=\"none\" stroke=\"#444\"/>\n";
    for (const auto& [scale, vertical] : {std::pair<const Scale&, bool>{x, false}, {y, true}}) {
        const double step = TickStep(scale.data);
        const double first = std::ceil(scale.data.lo / step);
        // Counted, not summed, so that a step lost in a huge value cannot
        // keep the loop going.
        for (int k = 0; k <= 20; ++k) {
            const double tick = (first + k) * step;
            if (!(tick <= scale.data.hi)) break;
            const double at = scale(tick);
            const std::string label = TickLabel(tick, step);
            if (vertical) {
                out << "  <line x1=\"" << Fixed(box.left - 5) << "\" y1=\"" << Fixed(at) << "\" x2=\"" << Fixed(box.left)
                    << "\" y2=\"" << Fixed(at) << "\" stroke=\"#444\"/><text x=\"" << Fixed(box.left - 8) << "\" y=\""
                    << Fixed(at + 4) << "\" text-anchor=\"end\">" << label << "</text>\n";
            } else {
                out << "  <line x1=\"" << Fixed(at) << "\" y1=\"" << Fixed(box.Bottom()) << "\" x2=\"" << Fixed(at)
                    << "\" y2=\"" << Fixed(box.Bottom() + 5) << "\" stroke=\"#444\"/><text x=\"" << Fixed(at)
                    << "\" y=\"" << Fixed(box.Bottom() + 19) << "\" text-anchor=\"middle\">" << label << "</text>\n";
            }
        }
    }
    out << "  <text x=\"" << Fixed(box.left + box.width / 2) << "\" y=\"" << Fixed(box.Bottom() + 40)
        << "\" text-anchor=\"middle\">" << Escaped(x_label) << "</text>\n"
        << "  <text transform=\"translate(" << Fixed(box.left - 58) << " " << Fixed(box.top + box.height / 2)
        << ") rotate(-90)\" text-anchor=\"middle\">" << Escaped(y_label) << "</text>\n";
}

// The indices drawn of n points: all, or every k-th and the last.
std::vector<std::size_t> Drawn(std::size_t n) {
    const std::size_t stride = std::max<std::size_t>(1, (n + kMostPoints - 1) / kMostPoints);
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < n; i += stride) indices.push_back(i);
    if (n > 0 && indices.back() != n - 1) indices.push_back(n - 1);
    return indices;
}

void Polyline(std::ostream& out, const char* id, const char* colour, std::size_t keys,
              const std::vector<std::pair<double, double>>& points) {
    out << "  <polyline id=\"" << id << "\" data-keys=\"" << keys << "\" fill=\"none\" stroke=\"" << colour
        << "\" stroke-width=\"2\" points=\"";
    const char* separator = "";
    for (const auto& [x, y] : points) {
        out << separator << Fixed(x) << "," << Fixed(y);
        separator = " ";
    }
    out << "\"/>\n";
}

void FovPanel(std::ostream& out, const Recording& recording, const Box& box) {
    const std::vector<RecordedKey>& keys = recording.Control(kFov).keys;
    double t_lo = keys.front().seconds, t_hi = keys.front().seconds;
    double f_lo = kNone, f_hi = -kNone;
    for (const RecordedKey& key : keys) {
        Take(key.seconds, t_lo, t_hi);
        Take(Degrees(key.value.x), f_lo, f_hi);
    }
    if (f_lo > f_hi) f_lo = f_hi = 0.0;  // no value is a number: an empty panel
    const Scale x{Padded(t_lo, t_hi), box.left, box.Right()};
    const Scale y{Padded(f_lo, f_hi), box.Bottom(), box.top};
    out << " <g id=\"fov-panel\">\n  <text x=\"" << Fixed(box.left + box.width / 2) << "\" y=\"" << Fixed(box.top - 12)
        << "\" text-anchor=\"middle\" font-size=\"15\">Field of view over time</text>\n";
    Axes(out, box, x, y, "time (seconds)", "vertical field of view (degrees)");
    std::vector<std::pair<double, double>> points;
    for (std::size_t i : Drawn(keys.size())) {
        if (std::isfinite(Degrees(keys[i].value.x))) points.emplace_back(x(keys[i].seconds), y(Degrees(keys[i].value.x)));
    }
    Polyline(out, "fov", "#1f5fa8", keys.size(), points);
    out << " </g>\n";
}

void PathPanel(std::ostream& out, const Recording& recording, const Box& area) {
    const std::vector<RecordedKey>& positions = recording.Control(kRow4).keys;
    const std::vector<RecordedKey>& forwards = recording.Control(kRow3).keys;
    double x_lo = kNone, x_hi = -kNone, z_lo = kNone, z_hi = -kNone;
    for (const RecordedKey& key : positions) {
        if (!std::isfinite(key.value.x) || !std::isfinite(key.value.z)) continue;
        Take(key.value.x, x_lo, x_hi);
        Take(key.value.z, z_lo, z_hi);
    }
    if (x_lo > x_hi) x_lo = x_hi = z_lo = z_hi = 0.0;  // no position is a number: an empty panel
    // One pixel is one pixel both ways: widen the narrower range to the box.
    Range xs = Padded(x_lo, x_hi), zs = Padded(z_lo, z_hi);
    // In halves throughout, so that no width overflows.
    const double per_unit = std::min(area.width / xs.HalfSpan(), area.height / zs.HalfSpan());
    const double x_grow = area.width / per_unit - xs.HalfSpan();
    const double z_grow = area.height / per_unit - zs.HalfSpan();
    const double most = std::numeric_limits<double>::max();
    xs = {std::max(-most, xs.lo - x_grow), std::min(most, xs.hi + x_grow)};
    zs = {std::max(-most, zs.lo - z_grow), std::min(most, zs.hi + z_grow)};
    const Scale x{xs, area.left, area.Right()};
    const Scale z{zs, area.Bottom(), area.top};  // z grows up the page: away from a viewer at the bottom
    out << " <g id=\"path-panel\">\n  <text x=\"" << Fixed(area.left + area.width / 2) << "\" y=\""
        << Fixed(area.top - 12)
        << "\" text-anchor=\"middle\" font-size=\"15\">Camera path seen from above (Camera_Row4 x and z)</text>\n";
    Axes(out, area, x, z, "x (composition pixels)", "z (composition pixels)");
    std::vector<std::pair<double, double>> points;
    for (std::size_t i : Drawn(positions.size())) {
        if (std::isfinite(positions[i].value.x) && std::isfinite(positions[i].value.z)) {
            points.emplace_back(x(positions[i].value.x), z(positions[i].value.z));
        }
    }
    Polyline(out, "path", "#b5461a", positions.size(), points);
    if (points.empty()) {
        out << " </g>\n";
        return;
    }
    out << "  <circle id=\"start\" cx=\"" << Fixed(points.front().first) << "\" cy=\"" << Fixed(points.front().second)
        << "\" r=\"4\" fill=\"#b5461a\"/>\n";
    const double arrow = std::min(area.width, area.height) * 0.08;
    const std::size_t stride = std::max<std::size_t>(1, positions.size() / kArrows);
    out << "  <g id=\"directions\" stroke=\"#2a7a2a\" stroke-width=\"1.5\" marker-end=\"url(#arrow)\">\n";
    for (std::size_t i = 0; i < positions.size() && i < forwards.size(); i += stride) {
        const double dx = forwards[i].value.x, dz = forwards[i].value.z;
        const double length = std::hypot(dx, dz);
        if (!(length >= 1.0e-9) || !std::isfinite(length) || !std::isfinite(positions[i].value.x) ||
            !std::isfinite(positions[i].value.z)) {
            continue;  // no direction from above (looking straight up or down), or no number
        }  // looking straight up or down: no direction from above
        const double x0 = x(positions[i].value.x), y0 = z(positions[i].value.z);
        out << "   <line data-key=\"" << i << "\" x1=\"" << Fixed(x0) << "\" y1=\"" << Fixed(y0) << "\" x2=\""
            << Fixed(x0 + arrow * dx / length) << "\" y2=\"" << Fixed(y0 - arrow * dz / length) << "\"/>\n";
    }
    out << "  </g>\n </g>\n";
}

}  // namespace

void WritePlot(const Recording& recording, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kPageWidth << "\" height=\"" << kPageHeight
        << "\" viewBox=\"0 0 " << kPageWidth << " " << kPageHeight
        << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << " <title>Dorvane camera recording: " << Escaped(recording.scene_name) << "</title>\n"
        << " <defs><marker id=\"arrow\" viewBox=\"0 0 10 10\" refX=\"9\" refY=\"5\" markerWidth=\"7\" "
           "markerHeight=\"7\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\" fill=\"#2a7a2a\"/></marker></defs>\n"
        << " <rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << " <text id=\"heading\" x=\"" << kPageWidth / 2
        << "\" y=\"30\" text-anchor=\"middle\" font-size=\"19\">Camera recorded by Create Controls in scene \""
        << Escaped(recording.scene_name) << "\"</text>\n";
    if (recording.Frames() == 0) {
        out << " <text x=\"" << kPageWidth / 2
            << "\" y=\"120\" text-anchor=\"middle\">The layer spans no frame: nothing was keyed.</text>\n</svg>\n";
        return;
    }
    FovPanel(out, recording, {90.0, 80.0, 400.0, 400.0});
    PathPanel(out, recording, {640.0, 80.0, 400.0, 400.0});
    const std::size_t every = std::max<std::size_t>(1, recording.Frames() / kArrows);
    out << " <text x=\"640\" y=\"545\" fill=\"#2a7a2a\">arrows: the viewing direction (Camera_Row3 x and z) "
        << (every == 1 ? std::string("at every frame") : "every " + std::to_string(every) + " frames") << "</text>\n</svg>\n";
}

}  // namespace dorvane_host
