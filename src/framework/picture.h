#pragma once
// TPicture: holds one picture of any registered class (or none).
//
// Stored form (ReadData, WriteData: the "Picture.Data" of a window
// definition): the class name as one length byte and its characters, then
// the picture's own stored form (a 4-byte little-endian count and the
// picture's file bytes; see graphic.h). A TJPEGImage is thus
//   0x0A "TJPEGImage" N(4 bytes LE) <N bytes of JPEG>
// and a TBitmap 0x07 "TBitmap" N(4 bytes LE) <N bytes of BMP file>.
// No picture is the empty byte string.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/graphic.h"
#include "framework/graphics_bitmap.h"
#include "framework/graphics_object.h"
#include "framework/persistent.h"

namespace quendar {

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    std::string ClassName() const override { return "TPicture"; }

    // Called after the picture was replaced or its graphic changed.
    TChangeEvent OnChange;

    // From a TPicture or a TGraphic: a copy of the same class. From nothing
    // else.
    void Assign(const TPersistent& source) override;

    // The picture held, or nullptr.
    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of `graphic` (of the same class); nullptr empties.
    void SetGraphic(const TGraphic* graphic);
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The held TBitmap; any other picture is first replaced by an empty TBitmap.
    TBitmap& Bitmap();

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // The class comes from the file's extension; an unknown one raises
    // EInvalidGraphic "Unknown picture file extension (.<ext>)". A file that
    // fails to load leaves the picture as it was.
    void LoadFromFile(const std::string& path);
    // Raises EInvalidGraphic when there is nothing to save.
    void SaveToFile(const std::string& path) const;

    // A class name that is not registered raises EInvalidGraphic
    // "Unknown picture class <name>"; a short or garbled stored form raises
    // EInvalidGraphic. Either leaves the picture as it was.
    void ReadData(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteData() const;

    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   std::function<std::unique_ptr<TGraphic>()> factory);

private:
    void Hold(std::unique_ptr<TGraphic> graphic);
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};

}  // namespace quendar
