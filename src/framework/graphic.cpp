#include "framework/graphic.h"

#include <algorithm>
#include <string>

#include "framework/graphics_errors.h"
#include "platform/file_bytes.h"
#include "platform/platform_error.h"

namespace quendar {

void TGraphic::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed() {
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes("Picture", path, MaxFileBytes);
    } catch (const PlatformError& error) {
        throw EInvalidGraphic(error.what());
    }
    LoadFromStream(bytes);
}

void TGraphic::SaveToFile(const std::string& path) const {
    std::vector<std::uint8_t> bytes = SaveToStream();
    try {
        WriteFileBytes("Picture", path, bytes);
    } catch (const PlatformError& error) {
        throw EInvalidGraphic(error.what());
    }
}

void TGraphic::ReadData(std::span<const std::uint8_t> data) {
    if (data.size() < 4) {
        throw EInvalidGraphic(ClassName() + " data: " + std::to_string(data.size()) +
                              " bytes are too few for the byte count");
    }
    std::uint32_t count = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                          static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (count != data.size() - 4) {
        throw EInvalidGraphic(ClassName() + " data: the byte count says " + std::to_string(count) + " bytes but " +
                              std::to_string(data.size() - 4) + " follow");
    }
    LoadFromStream(data.subspan(4));
}

std::vector<std::uint8_t> TGraphic::WriteData() const {
    std::vector<std::uint8_t> file;
    if (!Empty()) file = SaveToStream();
    if (file.size() > 0xFFFFFFFFu) throw EInvalidGraphic(ClassName() + " data: the picture is too large to store");
    auto count = static_cast<std::uint32_t>(file.size());
    std::vector<std::uint8_t> data(4 + file.size());
    for (int i = 0; i < 4; ++i) data[i] = static_cast<std::uint8_t>(count >> (8 * i));
    std::copy(file.begin(), file.end(), data.begin() + 4);
    return data;
}

}  // namespace quendar
