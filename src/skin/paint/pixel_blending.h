#pragma once
// Pixel primitives on 24-bit bitmaps: mixing with a colour, weighted sums,
// key-colour blends and copies, grey conversion and mask tinting.
//
// Rectangle conventions differ per routine, as marked: "inclusive" means
// Right and Bottom are the last column and row taken; otherwise Right and
// Bottom lie outside, as for Rect. Every routine clips to its bitmaps and
// never touches a pixel outside them. Bitmaps that are not 24-bit or smaller
// than 2x2 are skipped where the fast accessors refuse them.
//
// A key pixel is one whose blue, green and red bytes equal the key's bits
// 16-23, 8-15 and 0-7; the key's high byte is not compared.

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/paint/paint_colors.h"

namespace quendar {

// Per channel: Round(f * pixel + (1 - f) * colour) with f = percent / 100,
// limited to 0..255. 100 keeps the picture, 0 paints the colour.
// `rect` is INCLUSIVE.
void MixRectWithColor(Bitmap& bitmap, Rect rect, std::uint8_t percent, ColorRef color);

// Whole-bitmap weighted sum; nothing when the sizes differ. `weight` is the
// destination's share: D := (D * weight + S * (255 - weight) + 127) >> 8.
void WeightedSum(Bitmap& destination, const Bitmap& source, std::uint8_t weight);

// Weighted sum of `sourceRect` (Right/Bottom outside) placed at `point`.
void WeightedSumRect(Bitmap& destination, const Bitmap& source, std::uint8_t weight, Point point,
                     Rect sourceRect);

// Per channel D := Round(S - factor * (S - D)) for the source rectangle
// (INCLUSIVE) placed at (x, y): the destination keeps `factor` of itself.
// Key pixels are skipped unless the key's high byte is 0xFF (then every
// pixel is blended). Results are limited to 0..255.
void BlendRectOver(Bitmap& destination, int x, int y, ColorRef key, double factor, Rect sourceRect,
                   const Bitmap& source);

// Copies the whole source to (x, y), key pixels left out.
void CopyWithKey(Bitmap& destination, const Bitmap& source, int x, ColorRef key, int y);

// Copies `sourceRect` (INCLUSIVE) to (x, y). With `fillCorners` and a ready
// background, a key pixel takes the parent's pixel behind it: for destination
// pixel (dx, dy) that is (OffsetX + dx, OffsetY + dy) in background.Bitmap; a
// row stops at the first such pixel beyond the background's right edge.
// Otherwise key pixels leave the destination unchanged.
void CopyWithKeyBackdrop(Bitmap& destination, const Bitmap& source, int x, bool fillCorners,
                         const ParentBackground& background, ColorRef key, Rect sourceRect, int y);

// Every pixel becomes (B + G + R) div 3 in all three channels.
void MakeGrayscale(Bitmap& bitmap);
// As MakeGrayscale; pixels equal to the key stay untouched.
void MakeGrayscaleExceptKey(Bitmap& bitmap, ColorRef key);

// Per channel P := ClampByte((colour * 256 + W * (P - colour)) >> 8) with W the
// same channel of `weights`; nothing when the sizes differ.
void TintByMask(Bitmap& bitmap, const Bitmap& weights, ColorRef color);

}  // namespace quendar
