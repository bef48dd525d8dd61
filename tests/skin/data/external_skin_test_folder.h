#pragma once
// A throw-away skin folder for tests: Options.dat text and tiny pictures
// written at test time, removed afterwards.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "framework/jpeg_codec.h"
#include "platform/bitmap.h"
#include "platform/bmp_file.h"
#include "platform/file_bytes.h"

namespace quendar {

class ExternalSkinTestFolder {
public:
    ExternalSkinTestFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("quendar-skin-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ExternalSkinTestFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ExternalSkinTestFolder(const ExternalSkinTestFolder&) = delete;
    ExternalSkinTestFolder& operator=(const ExternalSkinTestFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string FilePath(const std::string& name) const { return (path_ / name).string(); }

    void WriteOptions(const std::string& text) const { WriteText("Options.dat", text); }
    void WriteText(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        WriteFileBytes("test", FilePath(name), bytes);
    }
    // A 24-bit BMP whose pixel (x, y) is RGB(x, y, 7).
    void WriteBmp(const std::string& name, int width, int height) const {
        WriteBytes(name, WriteBmp24(Pattern(width, height)));
    }
    void WriteJpeg(const std::string& name, int width, int height) const {
        WriteBytes(name, EncodeJpeg(Pattern(width, height), JpegEncodeOptions{}));
    }

    static Bitmap Pattern(int width, int height) {
        Bitmap bitmap(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(x & 0xFF, y & 0xFF, 7));
        }
        return bitmap;
    }

private:
    std::filesystem::path path_;
};

}  // namespace quendar
