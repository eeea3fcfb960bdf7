// A 32-bit picture with an alpha channel, ready for GdiAlphaBlend: colours
// premultiplied by their opacity once at load, and a grey copy beside it.
// What GDI blends from is made once, at the first draw: one bitmap with both
// looks, the colour above the grey, selected into a memory context that the
// picture keeps, so that every draw is a single blend. A picture that is
// only read or scaled, as a button's is before its window first paints,
// costs the start-up no GDI objects.
#pragma once

#include "win/Gdi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gui {

// One pixel as a 32-bit DIB holds it: 0xAARRGGBB.
using Pixel = std::uint32_t;

// A straight-alpha pixel with its colour multiplied by its opacity.
Pixel Premultiplied(Pixel straight);
// Its grey: red, green and blue each replaced by their average (of the
// straight values), then premultiplied; the opacity is kept.
Pixel PremultipliedGrey(Pixel straight);

class Picture {
public:
    // A TGA file stored as an RT_RCDATA resource: 32 bits a pixel (blue,
    // green, red, straight alpha), run-length encoded (image type 10), rows
    // from the top or the bottom. Run-length TGA keeps the pictures' large
    // even areas at a fraction of a bitmap's size, and takes a few lines to
    // read.
    static Picture FromResource(HMODULE module, int id);
    static Picture FromTga(const void* data, std::size_t size);

    Picture(Picture&&) = default;

    int Width() const { return width_; }
    int Height() const { return height_; }

    // A copy resampled to another size: each new pixel is the area-weighted
    // average of the premultiplied pixels it covers.
    Picture Scaled(int width, int height) const;

    // Blends the picture, in colour or grey, at an opacity from 0 to 255.
    // Draws nothing where GDI cannot make its bitmap (its objects used up),
    // as a paint that cannot make its memory context.
    void Draw(HDC dc, int x, int y, bool grey, BYTE opacity) const;

private:
    // Rows top-down, already premultiplied.
    Picture(int width, int height, std::vector<Pixel> colour, std::vector<Pixel> grey);

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> colour_;
    std::vector<Pixel> grey_;
    // Both looks, and the context they are selected into; the context goes
    // first, which lets go of the bitmap.
    mutable win::GdiObject looks_;
    mutable win::MemoryDc looksDc_;
};

}  // namespace gui
