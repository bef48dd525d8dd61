#include "platform/bmp_rle8.h"

#include <string>

#include "platform/platform_error.h"

namespace quendar {

namespace {

// Escape codes: a zero count byte followed by one of these.
constexpr std::uint8_t EndOfLine = 0;
constexpr std::uint8_t EndOfBitmap = 1;
constexpr std::uint8_t Delta = 2;

[[noreturn]] void Refuse(const std::string& reason) { throw PlatformError("BMP: " + reason); }

class Rle8Writer {
public:
    Rle8Writer(Bitmap& bitmap, const std::vector<ColorRef>& palette) : bitmap_(bitmap), palette_(palette) {}

    int X() const { return x_; }
    int Row() const { return row_; }
    bool PastLastRow() const { return row_ >= bitmap_.Height(); }

    // Reserves count pixels of the current row for the next Put calls.
    void Reserve(int count) {
        if (PastLastRow()) Refuse("RLE data continues past the last row");
        if (count > bitmap_.Width() - x_) {
            Refuse("RLE run passes the end of row " + std::to_string(row_) + " (counted from the bottom)");
        }
        target_ = bitmap_.ScanLine(bitmap_.Height() - 1 - row_) + x_ * 3;
        x_ += count;
    }

    void Put(std::uint8_t index) {
        if (index >= palette_.size()) {
            Refuse("palette index " + std::to_string(index) + " is out of range (the palette has " +
                   std::to_string(palette_.size()) + " colours)");
        }
        ColorRef color = palette_[index];
        target_[0] = static_cast<std::uint8_t>(GetBValue(color));
        target_[1] = static_cast<std::uint8_t>(GetGValue(color));
        target_[2] = static_cast<std::uint8_t>(GetRValue(color));
        target_ += 3;
    }

    void EndLine() {
        if (!PastLastRow()) ++row_;
        x_ = 0;
    }

    void Move(int dx, int dy) {
        if (x_ + dx > bitmap_.Width() || row_ + dy > bitmap_.Height())
            Refuse("RLE delta moves outside the picture");
        x_ += dx;
        row_ += dy;
    }

private:
    Bitmap& bitmap_;
    const std::vector<ColorRef>& palette_;
    int x_ = 0;
    int row_ = 0;  // counted from the bottom, as the data runs
    std::uint8_t* target_ = nullptr;
};

}  // namespace

Bitmap DecodeRle8(std::span<const std::uint8_t> data, int width, int height,
                  const std::vector<ColorRef>& palette) {
    Bitmap bitmap(width, height);
    bitmap.Fill(palette.at(0));
    Rle8Writer writer(bitmap, palette);
    std::size_t at = 0;
    auto need = [&](std::size_t count) {
        if (data.size() - at < count) Refuse("RLE data ends in the middle of a code");
    };
    while (at < data.size()) {
        need(2);
        std::uint8_t count = data[at];
        std::uint8_t value = data[at + 1];
        at += 2;
        if (count != 0) {
            writer.Reserve(count);
            for (int i = 0; i < count; ++i) writer.Put(value);
        } else if (value == EndOfLine) {
            writer.EndLine();
        } else if (value == EndOfBitmap) {
            return bitmap;
        } else if (value == Delta) {
            need(2);
            writer.Move(data[at], data[at + 1]);
            at += 2;
        } else {
            // Absolute run of `value` indexes, padded to an even byte count.
            std::size_t stored = (value + 1u) & ~1u;
            need(stored);
            writer.Reserve(value);
            for (int i = 0; i < value; ++i) writer.Put(data[at + i]);
            at += stored;
        }
    }
    // Some writers drop the end-of-bitmap code after the last row's end of line.
    if (!writer.PastLastRow()) Refuse("RLE data ends before the picture is complete");
    return bitmap;
}

}  // namespace quendar
