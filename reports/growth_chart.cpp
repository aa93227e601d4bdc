#include "reports/growth_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "core/number_format.h"
#include "reports/growth_rows.h"
#include "reports/html_text.h"

namespace brevanta {

namespace {

// The image and the plot area inside it, in pixels.
constexpr int kWidth = 640;
constexpr int kHeight = 320;
constexpr int kLeft = 72;  // room for the money labels
constexpr int kRight = 628;
constexpr int kTop = 28;  // room for the legend
constexpr int kBottom = 290;
constexpr int kMaxTimeLabels = 10;
constexpr int kGridLines = 5;

constexpr const char* kValueColour = "#1f5fa8";
constexpr const char* kValueStroke = "stroke='#1f5fa8' stroke-width='2'";
constexpr const char* kCostStroke = "stroke='#8c8c8c' stroke-width='2' stroke-dasharray='5 3'";
constexpr const char* kGridStroke = "stroke='#dddddd'";
constexpr const char* kAxisStroke = "stroke='#666666'";
constexpr const char* kFont = "font-family='Arial' font-size='10'";

// A coordinate with one decimal and a point whatever the locale: SVG reads no other.
std::string Coordinate(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The smallest step of 1, 2 or 5 times a power of ten that fits the range in kGridLines.
double GridStep(double top) {
    const double rough = top / kGridLines;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) return factor * power;
    }
    return 10 * power;
}

class Scale {
  public:
    explicit Scale(const std::vector<GrowthPoint>& points)
        : first_(points.front().date),
          days_(std::max(1, points.back().date.DaysSince(points.front().date))) {
        double top = 0;
        for (const GrowthPoint& point : points) {
            top = std::max({top, point.market_value, point.cost_basis});
        }
        step_ = top > 0 ? GridStep(top) : 1;
        top_ = step_ * std::ceil(top / step_);
        if (top_ == 0) top_ = step_;
    }

    double X(Date date) const {
        return kLeft + static_cast<double>(date.DaysSince(first_)) * (kRight - kLeft) / days_;
    }
    double Y(double amount) const { return kBottom - amount * (kBottom - kTop) / top_; }
    double step() const { return step_; }
    double top() const { return top_; }

  private:
    Date first_;
    int days_;
    double step_ = 1;
    double top_ = 1;
};

std::string Line(double x1, double y1, double x2, double y2, const char* stroke) {
    return "<line x1='" + Coordinate(x1) + "' y1='" + Coordinate(y1) + "' x2='" + Coordinate(x2) +
           "' y2='" + Coordinate(y2) + "' " + stroke + "/>";
}

std::string Label(double x, double y, const char* anchor, const std::string& text) {
    return "<text x='" + Coordinate(x) + "' y='" + Coordinate(y) + "' text-anchor='" + anchor +
           "' " + kFont + ">" + EscapeHtml(text) + "</text>";
}

template <typename Amount>
std::string Polyline(const std::vector<GrowthPoint>& points, const Scale& scale, Amount amount,
                     const char* stroke) {
    std::string coordinates;
    for (const GrowthPoint& point : points) {
        if (!coordinates.empty()) coordinates += ' ';
        coordinates += Coordinate(scale.X(point.date)) + "," + Coordinate(scale.Y(amount(point)));
    }
    return "<polyline fill='none' " + std::string(stroke) + " points='" + coordinates + "'/>";
}

// The month names of the labels; the pages are written in English.
constexpr const char* kMonthAbbreviations[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TickLabel(Date date, bool months) {
    const std::string year = std::to_string(date.year());
    return months ? kMonthAbbreviations[date.month() - 1] + (" " + year) : year;
}

Date NextMonthStart(Date date) {
    return Date::Ymd(date.year() + date.month() / 12, date.month() % 12 + 1, 1);
}

// The smallest step of the ladder that leaves at most max_ticks of count marks.
int TickStep(int count, int max_ticks, std::initializer_list<int> ladder) {
    for (const int step : ladder) {
        if ((count + step - 1) / step <= max_ticks) return step;
    }
    return (count + max_ticks - 1) / max_ticks;
}

}  // namespace

TimeTicks TimeAxisTicks(Date first, Date last, int max_ticks) {
    TimeTicks ticks;
    if (last < first || max_ticks < 1) return ticks;
    const int months_spanned = (last.year() - first.year()) * 12 + last.month() - first.month();
    ticks.months = months_spanned < 24;
    if (ticks.months) {
        const int step = TickStep(months_spanned + 1, max_ticks, {1, 2, 3, 6, 12});
        for (Date mark = first.day() == 1 ? first : NextMonthStart(first); mark <= last;
             mark = NextMonthStart(mark)) {
            if ((mark.month() - 1) % step == 0) ticks.dates.push_back(mark);
        }
    } else {
        const int step =
            TickStep(last.year() - first.year() + 1, max_ticks, {1, 2, 5, 10, 20, 25, 50, 100});
        for (int year = first.year(); year <= last.year(); ++year) {
            const Date mark = Date::Ymd(year, 1, 1);
            if (mark >= first && year % step == 0) ticks.dates.push_back(mark);
        }
    }
    return ticks;
}

std::vector<std::string> GrowthChartSvg(const std::vector<GrowthPoint>& points,
                                        const Locale& locale) {
    if (points.empty()) return {};
    const Scale scale(points);
    const std::string width = std::to_string(kWidth), height = std::to_string(kHeight);
    std::vector<std::string> lines = {
        "<svg xmlns='http://www.w3.org/2000/svg' width='" + width + "' height='" + height +
            "' viewBox='0 0 " + width + " " + height +
            "' role='img' aria-label='Market value and cost basis at each month end'>",
        "<rect x='0' y='0' width='" + width + "' height='" + height + "' fill='#ffffff'/>"};

    for (int i = 0; i * scale.step() <= scale.top() + scale.step() / 2; ++i) {
        const double amount = i * scale.step();
        const double y = scale.Y(amount);
        lines.push_back(Line(kLeft, y, kRight, y, kGridStroke));
        lines.push_back(Label(kLeft - 6, y + 3, "end", FormatNumber(amount, "#,##0", locale)));
    }
    const TimeTicks ticks = TimeAxisTicks(points.front().date, points.back().date, kMaxTimeLabels);
    for (const Date tick : ticks.dates) {
        const double x = scale.X(tick);
        lines.push_back(Line(x, kBottom, x, kBottom + 4, kAxisStroke));
        lines.push_back(Label(x, kBottom + 16, "middle", TickLabel(tick, ticks.months)));
    }
    lines.push_back(Line(kLeft, kBottom, kRight, kBottom, kAxisStroke));

    lines.push_back(Polyline(
        points, scale, [](const GrowthPoint& p) { return p.cost_basis; }, kCostStroke));
    lines.push_back(Polyline(
        points, scale, [](const GrowthPoint& p) { return p.market_value; }, kValueStroke));
    for (const GrowthPoint& point : points) {
        lines.push_back("<circle cx='" + Coordinate(scale.X(point.date)) + "' cy='" +
                        Coordinate(scale.Y(point.market_value)) + "' r='2' fill='" + kValueColour +
                        "'><title>" + EscapeHtml(GrowthPointText(point, locale).English()) +
                        "</title></circle>");
    }

    lines.push_back(Line(kLeft, 12, kLeft + 24, 12, kValueStroke));
    lines.push_back(Label(kLeft + 30, 15, "start", "Market value"));
    lines.push_back(Line(kLeft + 130, 12, kLeft + 154, 12, kCostStroke));
    lines.push_back(Label(kLeft + 160, 15, "start", "Cost basis"));
    lines.push_back("</svg>");
    return lines;
}

}  // namespace brevanta
