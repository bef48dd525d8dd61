#include "framework/jpeg_codec.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/graphics_errors.h"

namespace quendar {

namespace {

// Everything below that runs between setjmp and a possible longjmp holds only
// trivially destructible objects, so jumping out skips no destructor.

struct ErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void FailJump(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings that do not mean damaged picture data.
bool IsHarmlessWarning(int code) {
    return code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC;
}

void EmitMessage(j_common_ptr info, int level) {
    if (level == -1 && !IsHarmlessWarning(info->err->msg_code)) FailJump(info);
}

void OutputNothing(j_common_ptr) {}

void InstallErrorManager(ErrorManager& manager) {
    jpeg_std_error(&manager.Public);
    manager.Public.error_exit = FailJump;
    manager.Public.emit_message = EmitMessage;
    manager.Public.output_message = OutputNothing;
    manager.Message[0] = '\0';
}

[[noreturn]] void ThrowJpeg(const char* message) { throw EJPEG(std::string("JPEG: ") + message); }

// --- decoding ----------------------------------------------------------------

struct DecodeTarget {
    std::uint8_t* Row0 = nullptr;
    std::ptrdiff_t Stride = 0;
    // Width * 4 bytes for CMYK pictures, unused otherwise.
    std::uint8_t* CmykRow = nullptr;
    bool Cmyk = false;
    bool InvertedCmyk = false;
};

// Reads the header. False with the message in `manager` on failure.
bool ReadHeader(jpeg_decompress_struct& info, ErrorManager& manager, std::span<const std::uint8_t> bytes) {
    if (setjmp(manager.Jump) != 0) return false;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    return true;
}

void StoreCmykRow(const DecodeTarget& target, std::uint8_t* destination, int width) {
    const std::uint8_t* source = target.CmykRow;
    for (int x = 0; x < width; ++x, source += 4, destination += 3) {
        int c = source[0], m = source[1], y = source[2], k = source[3];
        if (!target.InvertedCmyk) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        destination[0] = static_cast<std::uint8_t>(y * k / 255);
        destination[1] = static_cast<std::uint8_t>(m * k / 255);
        destination[2] = static_cast<std::uint8_t>(c * k / 255);
    }
}

bool ReadPixels(jpeg_decompress_struct& info, ErrorManager& manager, const DecodeTarget& target) {
    if (setjmp(manager.Jump) != 0) return false;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        std::uint8_t* row = target.Row0 + static_cast<std::ptrdiff_t>(info.output_scanline) * target.Stride;
        JSAMPROW rows[1] = {target.Cmyk ? target.CmykRow : row};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) {
            std::strcpy(manager.Message, "the picture data ends early");
            return false;
        }
        if (target.Cmyk) StoreCmykRow(target, row, static_cast<int>(info.output_width));
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Owns the decompressor so that every exit destroys it.
struct Decompressor {
    jpeg_decompress_struct Info{};
    ErrorManager Errors{};
    Decompressor() {
        Info.err = &Errors.Public;
        InstallErrorManager(Errors);
        jpeg_create_decompress(&Info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&Info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

// --- encoding ----------------------------------------------------------------

// A destination that grows a malloc'd buffer, so a failure can free it.
struct GrowingDestination {
    jpeg_destination_mgr Public;
    unsigned char* Buffer = nullptr;
    std::size_t Capacity = 0;
    std::size_t Used = 0;
};

void InitDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<GrowingDestination*>(info->dest);
    destination->Capacity = 4096;
    destination->Buffer = static_cast<unsigned char*>(std::malloc(destination->Capacity));
    if (destination->Buffer == nullptr) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination->Public.next_output_byte = destination->Buffer;
    destination->Public.free_in_buffer = destination->Capacity;
}

boolean GrowDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<GrowingDestination*>(info->dest);
    std::size_t capacity = destination->Capacity * 2;
    auto* grown = static_cast<unsigned char*>(std::realloc(destination->Buffer, capacity));
    if (grown == nullptr) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination->Buffer = grown;
    destination->Public.next_output_byte = grown + destination->Capacity;
    destination->Public.free_in_buffer = capacity - destination->Capacity;
    destination->Capacity = capacity;
    return TRUE;
}

void TerminateDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<GrowingDestination*>(info->dest);
    destination->Used = destination->Capacity - destination->Public.free_in_buffer;
}

bool Compress(jpeg_compress_struct& info, ErrorManager& manager, const Bitmap& pixels,
              const JpegEncodeOptions& options) {
    if (setjmp(manager.Jump) != 0) return false;
    info.image_width = static_cast<JDIMENSION>(pixels.Width());
    info.image_height = static_cast<JDIMENSION>(pixels.Height());
    info.input_components = pixels.BytesPerPixel();
    info.in_color_space = pixels.Format() == PixelFormat::Bits32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    if (options.Grayscale) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    jpeg_set_quality(&info, std::clamp(options.Quality, 1, 100), TRUE);
    if (options.Progressive) jpeg_simple_progression(&info);
    info.write_JFIF_header = TRUE;
    info.density_unit = static_cast<UINT8>(options.Density.Unit);
    info.X_density = static_cast<UINT16>(options.Density.X);
    info.Y_density = static_cast<UINT16>(options.Density.Y);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        JSAMPROW rows[1] = {const_cast<JSAMPROW>(pixels.ScanLine(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

struct Compressor {
    jpeg_compress_struct Info{};
    ErrorManager Errors{};
    GrowingDestination Destination{};
    Compressor() {
        Info.err = &Errors.Public;
        InstallErrorManager(Errors);
        jpeg_create_compress(&Info);
        Destination.Public.init_destination = InitDestination;
        Destination.Public.empty_output_buffer = GrowDestination;
        Destination.Public.term_destination = TerminateDestination;
        Info.dest = &Destination.Public;
    }
    ~Compressor() {
        jpeg_destroy_compress(&Info);
        std::free(Destination.Buffer);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

}  // namespace

DecodedJpeg DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) ThrowJpeg("no picture data");
    Decompressor decompressor;
    jpeg_decompress_struct& info = decompressor.Info;
    if (!ReadHeader(info, decompressor.Errors, bytes)) ThrowJpeg(decompressor.Errors.Message);

    DecodedJpeg result;
    JpegInfo& header = result.Info;
    header.Width = static_cast<int>(std::min<JDIMENSION>(info.image_width, MaxJpegSide + 1));
    header.Height = static_cast<int>(std::min<JDIMENSION>(info.image_height, MaxJpegSide + 1));
    header.Components = info.num_components;
    header.Progressive = jpeg_has_multiple_scans(&info) != 0;
    if (info.saw_JFIF_marker) header.Density = {info.density_unit, info.X_density, info.Y_density};
    if (header.Width > MaxJpegSide || header.Height > MaxJpegSide ||
        static_cast<long long>(header.Width) * header.Height > MaxJpegPixels) {
        ThrowJpeg(("a picture of " + std::to_string(info.image_width) + " x " +
                   std::to_string(info.image_height) + " pixels is too large")
                      .c_str());
    }

    DecodeTarget target;
    std::vector<std::uint8_t> cmykRow;
    switch (info.jpeg_color_space) {
        case JCS_GRAYSCALE:
        case JCS_YCbCr:
        case JCS_RGB:
            info.out_color_space = JCS_EXT_BGR;
            break;
        case JCS_CMYK:
        case JCS_YCCK:
            info.out_color_space = JCS_CMYK;
            target.Cmyk = true;
            target.InvertedCmyk = info.saw_Adobe_marker != 0;
            cmykRow.resize(static_cast<std::size_t>(header.Width) * 4);
            target.CmykRow = cmykRow.data();
            break;
        default:
            ThrowJpeg("the colour space of the picture is not supported");
    }

    result.Pixels = Bitmap(header.Width, header.Height);
    target.Row0 = result.Pixels.ScanLine(0);
    target.Stride = result.Pixels.Stride();
    if (!ReadPixels(info, decompressor.Errors, target)) ThrowJpeg(decompressor.Errors.Message);
    return result;
}

std::vector<std::uint8_t> EncodeJpeg(const Bitmap& pixels, const JpegEncodeOptions& options) {
    if (pixels.IsEmpty()) ThrowJpeg("an empty picture cannot be compressed");
    if (options.Density.Unit < 0 || options.Density.Unit > 2 || options.Density.X < 1 ||
        options.Density.X > 65535 || options.Density.Y < 1 || options.Density.Y > 65535) {
        ThrowJpeg("the density is out of range");
    }
    Compressor compressor;
    if (!Compress(compressor.Info, compressor.Errors, pixels, options)) ThrowJpeg(compressor.Errors.Message);
    const GrowingDestination& destination = compressor.Destination;
    return {destination.Buffer, destination.Buffer + destination.Used};
}

}  // namespace quendar
