#include "gui/Picture.h"

#include "win/Error.h"
#include "win/Resource.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace gui {

namespace {

// Larger pictures are no button pictures; the limit also keeps the size
// arithmetic below far from overflowing.
constexpr int kMaxSide = 4096;

unsigned Channel(Pixel p, int shift) { return (p >> shift) & 0xFFu; }

unsigned Multiply(unsigned value, unsigned alpha) { return (value * alpha + 127) / 255; }

Pixel Compose(unsigned a, unsigned r, unsigned g, unsigned b) { return (a << 24) | (r << 16) | (g << 8) | b; }

// A DIB of the colour pixels above the grey ones, or none where GDI cannot
// make one.
win::GdiObject CreateLooksBitmap(int width, int height, const std::vector<Pixel>& colour,
                                 const std::vector<Pixel>& grey) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -2 * height;  // top-down, as the pixels are kept
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win::GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return win::GdiObject();
    auto* pixels = static_cast<Pixel*>(bits);
    std::memcpy(pixels, colour.data(), colour.size() * sizeof(Pixel));
    std::memcpy(pixels + colour.size(), grey.data(), grey.size() * sizeof(Pixel));
    return bitmap;
}

// Which source pixels one destination pixel covers along one axis, and how
// much of each: the weights of a span add up to 1.
struct Span {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Span> Coverage(int from, int to) {
    std::vector<Span> spans(to);
    const double step = static_cast<double>(from) / to;
    for (int j = 0; j < to; ++j) {
        const double begin = j * step;
        const double end = std::min((j + 1) * step, static_cast<double>(from));
        Span& span = spans[j];
        span.first = static_cast<int>(begin);
        for (int i = span.first; i < end; ++i) {
            const double covered = std::min(end, i + 1.0) - std::max(begin, static_cast<double>(i));
            span.weights.push_back(covered / step);
        }
    }
    return spans;
}

std::vector<Pixel> Resample(const std::vector<Pixel>& source, int width, int height, int newWidth, int newHeight) {
    const std::vector<Span> columns = Coverage(width, newWidth);
    const std::vector<Span> rows = Coverage(height, newHeight);
    // Across first, into four channels of doubles, then down.
    std::vector<double> across(static_cast<std::size_t>(height) * newWidth * 4, 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < newWidth; ++x) {
            double* out = &across[(static_cast<std::size_t>(y) * newWidth + x) * 4];
            const Span& span = columns[x];
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const Pixel p = source[static_cast<std::size_t>(y) * width + span.first + k];
                for (int c = 0; c < 4; ++c) out[c] += span.weights[k] * Channel(p, c * 8);
            }
        }
    }
    std::vector<Pixel> result(static_cast<std::size_t>(newWidth) * newHeight);
    for (int y = 0; y < newHeight; ++y) {
        const Span& span = rows[y];
        for (int x = 0; x < newWidth; ++x) {
            double sum[4] = {};
            for (std::size_t k = 0; k < span.weights.size(); ++k) {
                const double* in = &across[((span.first + k) * newWidth + x) * 4];
                for (int c = 0; c < 4; ++c) sum[c] += span.weights[k] * in[c];
            }
            Pixel p = 0;
            for (int c = 0; c < 4; ++c) {
                const long value = std::lround(std::clamp(sum[c], 0.0, 255.0));
                p |= static_cast<Pixel>(value) << (c * 8);
            }
            result[static_cast<std::size_t>(y) * newWidth + x] = p;
        }
    }
    return result;
}

}  // namespace

Pixel Premultiplied(Pixel straight) {
    const unsigned a = Channel(straight, 24);
    return Compose(a, Multiply(Channel(straight, 16), a), Multiply(Channel(straight, 8), a),
                   Multiply(Channel(straight, 0), a));
}

Pixel PremultipliedGrey(Pixel straight) {
    const unsigned a = Channel(straight, 24);
    const unsigned sum = Channel(straight, 16) + Channel(straight, 8) + Channel(straight, 0);
    const unsigned grey = Multiply((sum + 1) / 3, a);
    return Compose(a, grey, grey, grey);
}

Picture Picture::FromResource(HMODULE module, int id) {
    const std::wstring what = L"Cannot load picture " + win::Decimal(id);
    const win::ResourceBytes tga = win::RawDataResource(module, id);
    if (!tga.data) win::ThrowLastError(what);
    return FromTga(tga.data, tga.size);
}

Picture Picture::FromTga(const void* data, std::size_t size) {
    constexpr std::size_t kHeader = 18;
    constexpr unsigned char kRunLengthTrueColour = 10;
    constexpr unsigned char kTopDown = 0x20;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (size < kHeader || bytes[1] != 0 || bytes[2] != kRunLengthTrueColour)
        throw win::Error(L"The picture is not a run-length TGA file");
    if (bytes[16] != 32 || (bytes[17] & 0x0F) != 8) throw win::Error(L"The picture is not 32 bits a pixel with alpha");
    const int width = bytes[12] | bytes[13] << 8;
    const int height = bytes[14] | bytes[15] << 8;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throw win::Error(L"The picture has an unusable size");
    const bool topDown = (bytes[17] & kTopDown) != 0;

    // Packets: a head byte, then one pixel repeated (head's high bit set) or
    // that many pixels as they are; either way (head & 0x7F) + 1 of them.
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<Pixel> straight(count);
    std::size_t at = kHeader + bytes[0];  // past the image ID
    for (std::size_t filled = 0; filled < count;) {
        if (at >= size) throw win::Error(L"The picture file is cut short");
        const unsigned head = bytes[at++];
        const std::size_t pixels = (head & 0x7Fu) + 1;
        const std::size_t carried = head & 0x80u ? 4 : 4 * pixels;
        if (pixels > count - filled || carried > size - at) throw win::Error(L"The picture file is cut short");
        for (std::size_t i = 0; i < pixels; ++i, ++filled)
            std::memcpy(&straight[filled], bytes + at + (head & 0x80u ? 0 : 4 * i), 4);
        at += carried;
    }

    std::vector<Pixel> colour(count);
    std::vector<Pixel> grey(count);
    for (int y = 0; y < height; ++y) {
        const int sourceRow = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const Pixel pixel = straight[static_cast<std::size_t>(sourceRow) * width + x];
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            colour[i] = Premultiplied(pixel);
            grey[i] = PremultipliedGrey(pixel);
        }
    }
    return Picture(width, height, std::move(colour), std::move(grey));
}

Picture::Picture(int width, int height, std::vector<Pixel> colour, std::vector<Pixel> grey)
    : width_(width), height_(height), colour_(std::move(colour)), grey_(std::move(grey)) {}

Picture Picture::Scaled(int width, int height) const {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throw win::Error(L"The picture cannot be scaled to an unusable size");
    if (width == width_ && height == height_) return Picture(width, height, colour_, grey_);
    return Picture(width, height, Resample(colour_, width_, height_, width, height),
                   Resample(grey_, width_, height_, width, height));
}

void Picture::Draw(HDC dc, int x, int y, bool grey, BYTE opacity) const {
    if (!looksDc_) {
        win::GdiObject looks = CreateLooksBitmap(width_, height_, colour_, grey_);
        win::MemoryDc looksDc(looks ? CreateCompatibleDC(nullptr) : nullptr);
        if (!looksDc || !SelectObject(looksDc.get(), looks.get())) return;
        looks_ = std::move(looks);
        looksDc_ = std::move(looksDc);
    }
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = opacity;
    blend.AlphaFormat = AC_SRC_ALPHA;
    GdiAlphaBlend(dc, x, y, width_, height_, looksDc_.get(), 0, grey ? height_ : 0, width_, height_, blend);
}

}  // namespace gui
