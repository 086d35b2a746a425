// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stub_plot.hpp"

#include "html_text.hpp"

#include "ridi/number_text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace ridi::web {
namespace {

// The drawing's measures in CSS pixels: its text, the rows of labels above the plot, and the
// room around the plot for the scales.
constexpr double text_size = 11.0;
constexpr double char_width = 7.0; // at most, for the digits and names of the labels
constexpr double row_height = 14.0;
constexpr double label_gap = 6.0;
constexpr double left_room = 34.0;
constexpr double right_room = 10.0;
constexpr double bottom_room = 20.0;
constexpr int most_label_rows = 5;
// At most this many rows of notches' frequencies; where notches crowd, some go unlabelled, and
// their marks are drawn this far apart at least.
constexpr int most_notch_rows = 2;
constexpr double notch_spacing = 3.0;

// The narrowest and widest boxes drawn for, and the height for a width.
constexpr int narrowest = 280;
constexpr int widest = 1600;
double height_for(double width) {
    return std::clamp(width * 0.55, 260.0, 400.0);
}

// The drawing's elements, written straight into its text: a coordinate with one decimal at
// most, in CSS pixels.
class svg_text {
public:
    explicit svg_text(std::string& out) : out_(out) {}

    // <NAME, then attributes, then end() or text(...).
    svg_text& open(std::string_view name, std::string_view kind) {
        out_ += '<';
        out_ += name;
        return attr("class", kind);
    }
    svg_text& attr(std::string_view name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        out_ += value;
        out_ += '"';
        return *this;
    }
    svg_text& attr(std::string_view name, double value) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        number(value);
        out_ += '"';
        return *this;
    }
    void end() { out_ += "/>"; }
    void text(std::string_view words, std::string_view name) {
        out_ += '>';
        out_ += escaped(words);
        out_ += "</";
        out_ += name;
        out_ += '>';
    }
    void line(std::string_view kind, double x1, double y1, double x2, double y2) {
        open("line", kind).attr("x1", x1).attr("y1", y1).attr("x2", x2).attr("y2", y2).end();
    }
    void rect(std::string_view kind, double x, double y, double width, double height) {
        open("rect", kind)
            .attr("x", x)
            .attr("y", y)
            .attr("width", width)
            .attr("height", height)
            .end();
    }
    void label(std::string_view kind, double x, double y, std::string_view words,
               std::string_view anchor = "start") {
        open("text", kind)
            .attr("x", x)
            .attr("y", y)
            .attr("text-anchor", anchor)
            .text(words, "text");
    }
    void number(double value) {
        const long long tenths = std::llround(value * 10);
        const long long whole = (tenths < 0 ? -tenths : tenths) / 10;
        if (tenths < 0) {
            out_ += '-';
        }
        out_ += std::to_string(whole);
        if (const long long tenth = (tenths < 0 ? -tenths : tenths) % 10; tenth != 0) {
            out_ += '.';
            out_ += static_cast<char>('0' + tenth);
        }
    }
    svg_text& raw(std::string_view text) {
        out_ += text;
        return *this;
    }

private:
    std::string& out_;
};

// Labels placed left to right in rows, each in the first row where it does not run into the
// one before it; a label that finds no row is left out.
class label_rows {
public:
    label_rows(double left, double right, int rows = most_label_rows)
        : left_(left), right_(right), rows_(rows) {
        ends_.fill(-1e9);
    }

    // The row for a label `chars` long centred at `x`, and its left edge; row -1: no room.
    std::pair<int, double> place(double x, std::size_t chars) {
        const double width = static_cast<double>(chars) * char_width;
        const double start = std::clamp(x - width / 2, left_, right_ - width);
        for (int row = 0; row < rows_; ++row) {
            auto& end = ends_.at(static_cast<std::size_t>(row));
            if (start >= end + label_gap) {
                end = start + width;
                used_ = std::max(used_, row + 1);
                return {row, start};
            }
        }
        return {-1, start};
    }

    int used() const { return used_; }

private:
    double left_;
    double right_;
    int rows_;
    std::array<double, most_label_rows> ends_{};
    int used_ = 0;
};

struct placed_label {
    int row;
    double x;
    std::string text;
};

// The frequencies of a 1, 2, 5 scale within [low, high].
std::vector<double> scale_marks(double low, double high) {
    std::vector<double> marks;
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade <= high;
         decade *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            const double mark = step * decade;
            if (mark >= low && mark <= high) {
                marks.push_back(mark);
            }
        }
    }
    return marks;
}

} // namespace

stub_plot plot_stub(const stub_sweep& sweep, const stub_report& report, int width, double line_ohms,
                    bool depth_known) {
    stub_plot plot;
    plot.caption = "The stub's insertion loss in dB on a Tee across a matched " +
                   format_fixed(line_ohms, 0) +
                   " ohm line, against frequency in MHz on a log scale, each amateur band "
                   "shaded and named, each notch marked with its frequency.";
    if (!depth_known) {
        plot.caption += " Without a loss figure the depth of a notch is not known: the curve is "
                        "a lossless stub's, cut off at the foot of the scale.";
    }
    if (sweep.mhz.size() < 2) {
        return plot;
    }
    const double w = std::clamp(width, narrowest, widest);
    const double h = height_for(w);
    const double left = left_room;
    const double right = w - right_room;
    const double low = sweep.mhz.front();
    const double high = sweep.mhz.back();
    const double span = std::log(high / low);
    const auto x_of = [&](double mhz) {
        return left + std::log(mhz / low) / span * (right - left);
    };

    // The labels above the plot: the bands' names, then the notches' frequencies.
    label_rows band_rows(left, right);
    std::vector<placed_label> band_labels;
    std::vector<std::pair<double, double>> strips;
    for (const band_figures& band : report.bands) {
        if (band.high_mhz < low || band.low_mhz > high) {
            continue;
        }
        const double x1 = x_of(std::max(band.low_mhz, low));
        const double x2 = std::max(x_of(std::min(band.high_mhz, high)), x1 + 1.5);
        strips.emplace_back(x1, x2);
        const auto [row, at] = band_rows.place((x1 + x2) / 2, band.band.size());
        band_labels.push_back({row, at, std::string(band.band)});
    }
    label_rows notch_rows(left, right, most_notch_rows);
    std::vector<placed_label> notch_labels;
    std::vector<double> notches;
    for (const resonance& found : report.resonances) {
        if (found.notch && found.mhz >= low && found.mhz <= high) {
            const double x = x_of(found.mhz);
            if (notches.empty() || x - notches.back() >= notch_spacing) {
                notches.push_back(x);
            }
            const auto [row, at] = notch_rows.place(x, found.frequency.size());
            notch_labels.push_back({row, at, found.frequency});
        }
    }
    const double notch_top = band_rows.used() * row_height + label_gap;
    const double top = notch_top + notch_rows.used() * row_height + label_gap;
    const double bottom = h - bottom_room;

    // The scale of loss: from 0 dB at the top down to a whole number of 10 dB, 10 to 60.
    double most = 0.0;
    for (const double db : sweep.loss_db) {
        if (db < max_loss_db) {
            most = std::max(most, db);
        }
    }
    const double foot = std::clamp(std::ceil(most / 10.0) * 10.0, 10.0, 60.0);
    const auto y_of = [&](double db) {
        return top + std::min(db, foot) / foot * (bottom - top);
    };

    svg_text svg(plot.svg);
    svg.raw("<svg xmlns=\"http://www.w3.org/2000/svg\"");
    svg.attr("width", w).attr("height", h).attr("font-size", text_size);
    svg.raw(" viewBox=\"0 0 ");
    svg.number(w);
    svg.raw(" ");
    svg.number(h);
    svg.raw("\" aria-hidden=\"true\">");
    for (const auto& [x1, x2] : strips) {
        svg.rect("plot-band", x1, top, x2 - x1, bottom - top);
    }
    // The scale of loss, and its grid.
    const double step = foot > 20 ? 10.0 : 5.0;
    for (double db = 0.0; db <= foot; db += step) {
        const double y = y_of(db);
        svg.line("plot-grid", left, y, right, y);
        svg.label("plot-scale", left - 4, y + text_size / 3, format_fixed(db, 0), "end");
    }
    svg.label("plot-scale", 2, top - label_gap, "dB");
    // The scale of frequency, its marks far enough apart to be read, "MHz" at its end.
    const double mhz_start = right - 3 * char_width;
    double last_end = -1e9;
    for (const double mark : scale_marks(low, high)) {
        const double x = x_of(mark);
        svg.line("plot-grid", x, top, x, bottom);
        const std::string label = format_fixed(mark, mark < 1 ? 1 : 0);
        const double half = static_cast<double>(label.size()) * char_width / 2;
        if (x - half >= last_end + label_gap && x + half <= mhz_start - label_gap) {
            svg.label("plot-scale", x, bottom + text_size + 4, label, "middle");
            last_end = x + half;
        }
    }
    svg.label("plot-scale", right, bottom + text_size + 4, "MHz", "end");
    svg.rect("plot-frame", left, top, right - left, bottom - top);
    // The notches, then the curve over them, then the labels.
    for (const double x : notches) {
        svg.line("plot-notch", x, top, x, bottom);
    }
    svg.open("path", "plot-curve").raw(" d=\"");
    for (std::size_t i = 0; i < sweep.mhz.size(); ++i) {
        svg.raw(i == 0 ? "M" : "L");
        svg.number(x_of(sweep.mhz[i]));
        svg.raw(",");
        svg.number(y_of(sweep.loss_db[i]));
    }
    svg.raw("\"");
    svg.end();
    for (const placed_label& label : band_labels) {
        if (label.row >= 0) {
            svg.label("plot-band-name", label.x, (label.row + 1) * row_height - 3, label.text);
        }
    }
    for (const placed_label& label : notch_labels) {
        if (label.row >= 0) {
            svg.label("plot-notch-label", label.x, notch_top + (label.row + 1) * row_height - 3,
                      label.text);
        }
    }
    svg.raw("</svg>");
    return plot;
}

} // namespace ridi::web
