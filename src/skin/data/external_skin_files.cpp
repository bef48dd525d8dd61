#include "skin/data/external_skin_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "framework/exception.h"
#include "framework/jpeg_image.h"
#include "framework/text_utils.h"
#include "platform/bmp_file.h"
#include "platform/file_bytes.h"

namespace quendar {
namespace {

namespace fs = std::filesystem;

// A 32-bit picture of the largest size plus room for headers and palettes.
constexpr std::size_t MaxSkinBmpBytes =
    std::size_t{MaxExternalImageSide} * MaxExternalImageSide * 4 + (std::size_t{1} << 16);
// Compressed data is smaller than the pixels it decodes to.
constexpr std::size_t MaxSkinJpegBytes = std::size_t{32} << 20;

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::uint32_t ReadLittle32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

int ReadBig16(std::span<const std::uint8_t> bytes, std::size_t at) { return bytes[at] << 8 | bytes[at + 1]; }

void RefuseWhenTooLarge(Size size, const std::string& path) {
    if (size.Width > MaxExternalImageSide || size.Height > MaxExternalImageSide) {
        throw Exception("\"" + path + "\" is " + IntToStr(size.Width) + " x " + IntToStr(size.Height) +
                        " pixels, more than the " + IntToStr(MaxExternalImageSide) + " x " +
                        IntToStr(MaxExternalImageSide) + " a skin picture may have");
    }
}

std::vector<std::uint8_t> ReadPictureBytes(const std::string& kind, const std::string& path, std::size_t maxBytes) {
    try {
        return ReadFileBytes(kind, path, maxBytes);
    } catch (const std::runtime_error& error) {
        throw Exception(error.what());
    }
}

}  // namespace

std::string FindSkinFile(const std::string& folder, const std::string& name) {
    if (name.empty()) return {};
    if (name.find(':') != std::string::npos) return IsRegularFile(name) ? name : std::string{};
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    const fs::path path = fs::path(folder) / relative;
    if (IsRegularFile(path)) return path.string();

    const fs::path parent = path.parent_path();
    const std::string wanted = path.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error)) {
        if (SameText(it->path().filename().string(), wanted) && IsRegularFile(it->path())) return it->path().string();
    }
    return {};
}

Size BmpHeaderSize(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const std::uint32_t headerSize = ReadLittle32(bytes, 14);
    if (headerSize == 12) {
        return {bytes[18] | bytes[19] << 8, bytes[20] | bytes[21] << 8};
    }
    // Heights are negative for top-down files; the widest values saturate.
    const auto width = static_cast<std::int32_t>(ReadLittle32(bytes, 18));
    const auto height = static_cast<std::int32_t>(ReadLittle32(bytes, 22));
    const auto magnitude = [](std::int32_t value) {
        return static_cast<int>(std::min<std::int64_t>(std::llabs(static_cast<std::int64_t>(value)), 0x7FFFFFFF));
    };
    return {magnitude(width), magnitude(height)};
}

Size JpegHeaderSize(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return {};
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != 0xFF) return {};
        const std::uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {  // markers without a length
            at += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) return {};  // scan data before any frame header
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader) {
            if (at + 9 > bytes.size()) return {};
            return {ReadBig16(bytes, at + 7), ReadBig16(bytes, at + 5)};
        }
        at += 2 + static_cast<std::size_t>(ReadBig16(bytes, at + 2));
    }
    return {};
}

Bitmap ReadSkinBitmap(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadPictureBytes("BMP", path, MaxSkinBmpBytes);
    RefuseWhenTooLarge(BmpHeaderSize(bytes), path);
    try {
        Bitmap bitmap = ReadBmp(bytes);
        if (bitmap.Format() != PixelFormat::Bits24) bitmap.SetFormat(PixelFormat::Bits24);
        return bitmap;
    } catch (const std::runtime_error& error) {
        throw Exception("\"" + path + "\": " + error.what());
    }
}

std::shared_ptr<TJPEGImage> ReadSkinJpeg(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadPictureBytes("JPEG", path, MaxSkinJpegBytes);
    RefuseWhenTooLarge(JpegHeaderSize(bytes), path);
    auto image = std::make_shared<TJPEGImage>();
    try {
        image->LoadFromStream(bytes);
    } catch (const std::runtime_error& error) {
        throw Exception("\"" + path + "\": " + error.what());
    }
    // A picture whose header hid its size is measured once decoded.
    RefuseWhenTooLarge({image->Width(), image->Height()}, path);
    return image;
}

}  // namespace quendar
