#include "platform/png_file.h"

#include <png.h>

#include <cstring>

#include "platform/file_bytes.h"
#include "platform/platform_error.h"

namespace quendar {

// libpng reports errors by longjmp. Every function below that calls libpng
// under setjmp keeps only trivially destructible locals, and all C++ objects
// are made before it runs, so the jump never skips a destructor.

namespace {

constexpr std::size_t MaxFileBytes = Bitmap::MaxBytes + (std::size_t{1} << 20);

// Shared by the error callback and the code that raises the PlatformError.
struct PngProblem {
    char Message[256] = "";
};

void OnError(png_structp png, png_const_charp message) {
    auto* problem = static_cast<PngProblem*>(png_get_error_ptr(png));
    std::snprintf(problem->Message, sizeof problem->Message, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

[[noreturn]] void Refuse(const char* message) { throw PlatformError(std::string("PNG: ") + message); }

// ---- writing ----

struct WriteTarget {
    std::vector<std::uint8_t>* Bytes;
    bool OutOfMemory;
};

void OnWriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* target = static_cast<WriteTarget*>(png_get_io_ptr(png));
    try {
        target->Bytes->insert(target->Bytes->end(), data, data + length);
    } catch (const std::bad_alloc&) {
        target->OutOfMemory = true;
    }
    if (target->OutOfMemory) png_error(png, "out of memory");
}

void OnFlush(png_structp) {}

bool WriteImage(png_structp png, png_infop info, const Bitmap& bitmap, png_bytep* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()),
                 static_cast<png_uint_32>(bitmap.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // Rows are blue, green, red (and a fourth byte) as they lie in the bitmap.
    png_set_bgr(png);
    if (bitmap.BytesPerPixel() == 4) png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

// ---- reading ----

struct ReadSource {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At;
};

void OnReadData(png_structp png, png_bytep data, png_size_t length) {
    auto* source = static_cast<ReadSource*>(png_get_io_ptr(png));
    if (source->Size - source->At < length) png_error(png, "file is truncated");
    std::memcpy(data, source->Data + source->At, length);
    source->At += length;
}

struct PngSize {
    png_uint_32 Width;
    png_uint_32 Height;
};

// Reads the header and sets the transformations that turn any PNG into rows
// of blue, green, red bytes.
bool ReadHeader(png_structp png, png_infop info, PngSize& size) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    size.Width = png_get_image_width(png, info);
    size.Height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(size.Width) * 3) {
        png_error(png, "unexpected row layout after conversion to RGB");
    }
    return true;
}

bool ReadRows(png_structp png, png_infop info, png_bytep* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, info);
    return true;
}

class WriteStructs {
public:
    explicit WriteStructs(PngProblem& problem) {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, &problem, OnError, OnWarning);
        if (png_ != nullptr) info_ = png_create_info_struct(png_);
        if (png_ == nullptr || info_ == nullptr) {
            png_destroy_write_struct(&png_, &info_);
            Refuse("cannot start the encoder");
        }
    }
    ~WriteStructs() { png_destroy_write_struct(&png_, &info_); }
    WriteStructs(const WriteStructs&) = delete;
    WriteStructs& operator=(const WriteStructs&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

class ReadStructs {
public:
    explicit ReadStructs(PngProblem& problem) {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &problem, OnError, OnWarning);
        if (png_ != nullptr) info_ = png_create_info_struct(png_);
        if (png_ == nullptr || info_ == nullptr) {
            png_destroy_read_struct(&png_, &info_, nullptr);
            Refuse("cannot start the decoder");
        }
    }
    ~ReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStructs(const ReadStructs&) = delete;
    ReadStructs& operator=(const ReadStructs&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace

std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) Refuse("cannot write an empty bitmap");
    PngProblem problem;
    WriteStructs structs(problem);
    std::vector<std::uint8_t> bytes;
    WriteTarget target{&bytes, false};
    png_set_write_fn(structs.Png(), &target, OnWriteData, OnFlush);
    // libpng copies each row before transforming it, so the pixels stay untouched.
    std::vector<png_bytep> rows(static_cast<std::size_t>(bitmap.Height()));
    for (int row = 0; row < bitmap.Height(); ++row) rows[row] = const_cast<png_bytep>(bitmap.ScanLine(row));
    if (!WriteImage(structs.Png(), structs.Info(), bitmap, rows.data())) Refuse(problem.Message);
    return bytes;
}

void WritePngFile(const Bitmap& bitmap, const std::string& path) {
    WriteFileBytes("PNG", path, EncodePng(bitmap));
}

Bitmap DecodePng(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) Refuse("not a PNG file (bad signature)");
    PngProblem problem;
    ReadStructs structs(problem);
    ReadSource source{bytes.data(), bytes.size(), 0};
    png_set_read_fn(structs.Png(), &source, OnReadData);
    // libpng refuses larger headers itself, before allocating rows.
    png_set_user_limits(structs.Png(), Bitmap::MaxSide, Bitmap::MaxSide);
    PngSize size{};
    if (!ReadHeader(structs.Png(), structs.Info(), size)) Refuse(problem.Message);
    // The Bitmap refuses a pixel buffer beyond its limit before allocating it.
    Bitmap bitmap;
    try {
        bitmap = Bitmap(static_cast<int>(size.Width), static_cast<int>(size.Height));
    } catch (const PlatformError& error) {
        throw PlatformError(std::string("PNG: ") + error.what());
    }
    std::vector<png_bytep> rows(size.Height);
    for (int row = 0; row < bitmap.Height(); ++row) rows[row] = bitmap.ScanLine(row);
    if (!ReadRows(structs.Png(), structs.Info(), rows.data())) Refuse(problem.Message);
    return bitmap;
}

Bitmap ReadPngFile(const std::string& path) { return DecodePng(ReadFileBytes("PNG", path, MaxFileBytes)); }

}  // namespace quendar
