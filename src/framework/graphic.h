#pragma once
// TGraphic: a picture that can be drawn on a canvas and stored.
//
// Two byte forms:
// - the file form (LoadFromStream, SaveToStream, LoadFromFile, SaveToFile):
//   exactly the bytes of a picture file of the class's format;
// - the stored form (ReadData, WriteData) inside window definitions and
//   pictures: a 4-byte little-endian count N, then the N bytes of the file
//   form. An empty picture is stored as N = 0.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/graphics_object.h"
#include "framework/persistent.h"
#include "platform/geometry.h"

namespace quendar {

class TCanvas;

class TGraphic : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphic"; }

    // Called after the picture changed.
    TChangeEvent OnChange;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() == 0 || Height() == 0; }

    // Whether drawing leaves the picture's transparent pixels out.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Draws the picture scaled onto `rect` of the canvas.
    virtual void Draw(TCanvas& canvas, const Rect& rect) const = 0;

    // Replaces the picture; no bytes make it empty. Bad bytes raise EInvalidGraphic (or a kind of it)
    // and leave the picture as it was.
    virtual void LoadFromStream(std::span<const std::uint8_t> bytes) = 0;
    virtual std::vector<std::uint8_t> SaveToStream() const = 0;
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    // The stored form; a count that disagrees with the data's length raises
    // EInvalidGraphic.
    void ReadData(std::span<const std::uint8_t> data);
    std::vector<std::uint8_t> WriteData() const;

    // An empty picture of the same class (for copying pictures whose class
    // is known only at run time).
    virtual std::unique_ptr<TGraphic> NewEmpty() const = 0;

    // Largest picture file read; more is refused before reading.
    static constexpr std::size_t MaxFileBytes = std::size_t{256} << 20;

protected:
    void Changed();

private:
    bool transparent_ = false;
};

}  // namespace quendar
