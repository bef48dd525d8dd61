#include "skin/paint/color_math.h"

#include <algorithm>
#include <cmath>

#include "platform/system_colors.h"
#include "skin/paint/byte_rounding.h"

namespace quendar {
namespace {

struct Channels {
    int Red;
    int Green;
    int Blue;
};

Channels ChannelsOf(ColorRef rgb) { return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)}; }

ColorRef FromBytes(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return RGB(red, green, blue);
}

}  // namespace

ColorRef BlendTwoColors(ColorRef a, ColorRef b, double factor) {
    const Channels x = ChannelsOf(ColorToRGB(a));
    const Channels y = ChannelsOf(ColorToRGB(b));
    auto mix = [factor](int p, int q) { return RoundToByte(p - (p - q) * factor); };
    return FromBytes(mix(x.Red, y.Red), mix(x.Green, y.Green), mix(x.Blue, y.Blue));
}

ColorRef InterpolateColor(ColorRef a, ColorRef b, double factor) {
    const ColorRef first = ColorToRGB(a);
    const Channels x = ChannelsOf(first);
    const Channels y = ChannelsOf(ColorToRGB(b));
    auto mix = [factor](int p, int q) { return RoundToByte(factor * (p - q) + q); };
    return (first & 0xFF000000) |
           FromBytes(mix(x.Red, y.Red), mix(x.Green, y.Green), mix(x.Blue, y.Blue));
}

ColorRef ShiftSaturation(ColorRef color, int amount) {
    const Channels c = ChannelsOf(ColorToRGB(color));
    const double average = (c.Red + c.Green + c.Blue) / 3.0;
    auto shift = [&](int channel) { return RoundToByte(channel + amount * (average - channel) / 100); };
    return FromBytes(shift(c.Red), shift(c.Green), shift(c.Blue));
}

ColorRef ShiftHue(int degrees, ColorRef color) {
    const ColorRef rgb = ColorToRGB(color) & 0x00FFFFFF;
    const Channels c = ChannelsOf(rgb);
    const int largest = std::max({c.Red, c.Green, c.Blue});
    const int smallest = std::min({c.Red, c.Green, c.Blue});
    if (largest == smallest) return rgb;  // saturation 0, black included

    const double value = largest;
    const double saturation = static_cast<double>(largest - smallest) / largest;
    const double spread = largest - smallest;
    double hue;
    if (c.Red == largest) {
        hue = (c.Green - c.Blue) / spread;
    } else if (c.Green == largest) {
        hue = 2 + (c.Blue - c.Red) / spread;
    } else {
        hue = 4 + (c.Red - c.Green) / spread;
    }
    hue *= 60;
    if (hue < 0) hue += 360;

    // Normalised into 0..359 so that turning backwards past 0 stays in the
    // six sectors.
    double whole = std::fmod(std::nearbyint(hue + degrees), 360.0);
    if (whole < 0) whole += 360;
    const int turned = static_cast<int>(whole);
    const int sector = turned / 60;
    const double fraction = turned / 60.0 - sector;
    const std::uint8_t v = RoundToByte(value);
    const std::uint8_t p = RoundToByte(value * (1 - saturation));
    const std::uint8_t q = RoundToByte(value * (1 - fraction * saturation));
    const std::uint8_t t = RoundToByte(value * (1 - (1 - fraction) * saturation));
    switch (sector) {
        case 0: return FromBytes(v, t, p);
        case 1: return FromBytes(q, v, p);
        case 2: return FromBytes(p, v, t);
        case 3: return FromBytes(p, q, v);
        case 4: return FromBytes(t, p, v);
        default: return FromBytes(v, p, q);
    }
}

}  // namespace quendar
