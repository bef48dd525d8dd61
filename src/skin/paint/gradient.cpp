#include "skin/paint/gradient.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <system_error>

#include "framework/exception.h"
#include "platform/system_colors.h"
#include "skin/paint/byte_rounding.h"
#include "skin/paint/row_fill.h"

namespace quendar {

namespace {

constexpr std::size_t FieldsPerBand = 5;
constexpr std::size_t MaxQuotedField = 32;

const char* const ReadFieldNames[] = {"Color1", "Color2", "Percent", "Mode"};

// The field as it may appear in a message: plain ASCII (other bytes masked, so
// a cut never splits a character), long texts shortened.
std::string QuoteField(std::string_view field) {
    std::string shown;
    for (char c : field.substr(0, MaxQuotedField)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte >= 0x7F ? '?' : c;
    }
    if (field.size() > MaxQuotedField) shown += "...";
    return "\"" + shown + "\"";
}

std::int32_t ParseField(std::string_view field, std::size_t band, std::size_t position) {
    std::int32_t value = 0;
    const char* end = field.data() + field.size();
    auto [stop, error] = std::from_chars(field.data(), end, value, 10);
    if (error != std::errc{} || stop != end) {
        throw EConvertError("Invalid gradient data: " + std::string(ReadFieldNames[position]) + " of band " +
                            std::to_string(band + 1) + " is " + QuoteField(field) +
                            ", not a 32-bit decimal integer");
    }
    return value;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find(';', start);
        if (stop == std::string_view::npos) stop = text.size();
        if (stop > start) fields.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return fields;
}

// A colour that walks from one colour to another in `steps` equal real steps;
// every value it takes lies between the two, so rounding never needs to wrap.
// The running value grows by repeated addition, so every row or column rounds
// exactly the sum it would reach one step at a time.
class ColorRamp {
public:
    ColorRamp(ColorRef from, ColorRef to, long long steps)
        : red_(GetRValue(from)),
          green_(GetGValue(from)),
          blue_(GetBValue(from)),
          redStep_((GetRValue(to) - GetRValue(from)) / static_cast<double>(steps)),
          greenStep_((GetGValue(to) - GetGValue(from)) / static_cast<double>(steps)),
          blueStep_((GetBValue(to) - GetBValue(from)) / static_cast<double>(steps)) {}

    ColorRef Current() const { return RGB(RoundToByte(red_), RoundToByte(green_), RoundToByte(blue_)); }
    void Advance() {
        red_ += redStep_;
        green_ += greenStep_;
        blue_ += blueStep_;
    }
    // Jumps over positions that lie outside the painted area.
    void Skip(long long count) {
        red_ += redStep_ * static_cast<double>(count);
        green_ += greenStep_ * static_cast<double>(count);
        blue_ += blueStep_ * static_cast<double>(count);
    }

private:
    double red_, green_, blue_;
    double redStep_, greenStep_, blueStep_;
};

// Bands of rows. Each band ends on the row where the next one starts, and
// the next band paints over that row.
void PaintVerticalBands(Bitmap& bitmap, const Rect& area, const TsGradArray& bands, int offset) {
    const long long lastRow = area.Bottom - 1;
    const long long length = static_cast<long long>(offset) + area.Height();
    long long y = static_cast<long long>(offset) + area.Top;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const GradientBand& band = bands[i];
        const long long y0 = y;
        const long long reach = y0 + band.Percent * length / 100;
        y = i + 1 == bands.size() ? lastRow : std::min(reach, lastRow);
        if (y - y0 <= 0) {
            if (reach - y0 > 0) break;  // cut off by the bottom: no later band fits either
            continue;
        }
        ColorRamp ramp(ColorToRGB(band.Color1), ColorToRGB(band.Color2), y - y0);
        long long row = y0;
        // Only a negative offset or Percent starts a band above the area.
        if (row < area.Top) {
            ramp.Skip(area.Top - row);
            row = area.Top;
        }
        for (; row <= y; ++row) {
            FillRow24(bitmap.ScanLine(static_cast<int>(row)), area.Left, area.Right, ramp.Current());
            ramp.Advance();
        }
    }
}

// Bands of columns. Every row is the same, so the first row is computed and
// copied to the others.
void PaintHorizontalBands(Bitmap& bitmap, const Rect& area, const TsGradArray& bands) {
    std::uint8_t* first = bitmap.ScanLine(area.Top);
    const double scale = area.Width() / 100.0;
    const long long lastColumn = area.Right - 1;
    long long x = area.Left;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const GradientBand& band = bands[i];
        const long long x0 = x;
        const long long reach = std::llrint(band.Percent * scale + static_cast<double>(x0));
        x = i + 1 == bands.size() ? lastColumn : std::min(reach, lastColumn);
        if (x - x0 <= 0) continue;
        ColorRamp ramp(ColorToRGB(band.Color1), ColorToRGB(band.Color2), x - x0);
        long long column = x0;
        // Only a negative Percent starts a band left of the area.
        if (column < area.Left) {
            ramp.Skip(area.Left - column);
            column = area.Left;
        }
        for (; column <= x; ++column) {
            ColorRef color = ramp.Current();
            std::uint8_t* pixel = first + column * 3;
            pixel[0] = static_cast<std::uint8_t>(GetBValue(color));
            pixel[1] = static_cast<std::uint8_t>(GetGValue(color));
            pixel[2] = static_cast<std::uint8_t>(GetRValue(color));
            ramp.Advance();
        }
    }
    const std::size_t offsetBytes = static_cast<std::size_t>(area.Left) * 3;
    const std::size_t rowBytes = static_cast<std::size_t>(area.Width()) * 3;
    for (int row = area.Top + 1; row < area.Bottom; ++row) {
        std::memcpy(bitmap.ScanLine(row) + offsetBytes, first + offsetBytes, rowBytes);
    }
}

TriVertex MakeVertex(int x, int y, ColorRef color) {
    ColorRef rgb = ColorToRGB(color);
    TriVertex vertex;
    vertex.X = x;
    vertex.Y = y;
    vertex.Red = static_cast<std::uint16_t>(GetRValue(rgb) << 8);
    vertex.Green = static_cast<std::uint16_t>(GetGValue(rgb) << 8);
    vertex.Blue = static_cast<std::uint16_t>(GetBValue(rgb) << 8);
    vertex.Alpha = 0;
    return vertex;
}

void PaintFourTriangles(Bitmap& bitmap, const Rect& area, const TsGradArray& bands) {
    FourTriangleMesh mesh = MakeFourTriangleMesh(area, bands);
    DeviceContext context(bitmap);
    // Keeps the triangles' outer edges, which lie on Right and Bottom, off
    // the pixels beyond the area.
    context.IntersectClipRect(area);
    context.GradientFillTriangles(mesh.Vertices, mesh.Triangles);
}

}  // namespace

void ParseGradientData(std::string_view text, TsGradArray& bands) {
    bands.clear();
    const std::vector<std::string_view> fields = SplitFields(text);
    TsGradArray parsed(fields.size() / FieldsPerBand);
    for (std::size_t band = 0; band < parsed.size(); ++band) {
        const std::string_view* group = &fields[band * FieldsPerBand];
        parsed[band].Color1 = static_cast<ColorRef>(ParseField(group[0], band, 0));
        parsed[band].Color2 = static_cast<ColorRef>(ParseField(group[1], band, 1));
        parsed[band].Percent = std::min(ParseField(group[2], band, 2), 100);
        parsed[band].Mode = ParseField(group[3], band, 3);
    }
    bands = std::move(parsed);
}

FourTriangleMesh MakeFourTriangleMesh(const Rect& rect, const TsGradArray& bands) {
    ColorRef colors[5] = {};
    for (std::size_t i = 0; i < 5; ++i) {
        if (i < bands.size()) {
            colors[i] = bands[i].Color1;
        } else if (i > 0) {
            colors[i] = colors[i - 1];
        }
    }
    const int width = rect.Width();
    const int height = rect.Height();
    return FourTriangleMesh{
        {MakeVertex(rect.Left, rect.Top, colors[0]),
         MakeVertex(rect.Left + width / 2, rect.Top + height / 2, colors[1]),
         MakeVertex(rect.Right, rect.Top, colors[2]), MakeVertex(rect.Right, rect.Bottom, colors[3]),
         MakeVertex(rect.Left, rect.Bottom, colors[4])},
        {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}},
    };
}

void PaintGradient(Bitmap& bitmap, const Rect& rect, const TsGradArray& bands, int offset) {
    if (bands.empty() || bitmap.Format() != PixelFormat::Bits24) return;
    const Rect area{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, bitmap.Width()),
                    std::min(rect.Bottom, bitmap.Height())};
    if (area.IsEmpty()) return;
    switch (bands.front().Mode) {
        case gmVertical:
            PaintVerticalBands(bitmap, area, bands, offset);
            break;
        case gmHorizontal:
            PaintHorizontalBands(bitmap, area, bands);
            break;
        case gmFourTriangle:
            PaintFourTriangles(bitmap, area, bands);
            break;
        default:
            break;
    }
}

}  // namespace quendar
