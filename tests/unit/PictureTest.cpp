#include "gui/Picture.h"
#include "win/Error.h"
#include "win/Gdi.h"

#include <windows.h>

#include <doctest.h>

#include <cstdint>
#include <vector>

namespace {

// A TGA header: run-length true colour, 32 bits a pixel, 8 of them alpha.
std::vector<unsigned char> TgaHeader(int width, int height, bool topDown) {
    return {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<unsigned char>(width), 0,
            static_cast<unsigned char>(height), 0, 32, static_cast<unsigned char>(topDown ? 0x28 : 0x08)};
}

// Blue, green, red, alpha, as a TGA stores a pixel.
constexpr unsigned char kRed[] = {0x00, 0x00, 0xFF, 0xFF};
constexpr unsigned char kGreen[] = {0x00, 0xFF, 0x00, 0xFF};
constexpr unsigned char kBlue[] = {0xFF, 0x00, 0x00, 0xFF};

// 3 x 2 pixels: a run of three red, then a raw packet of green, blue, green.
std::vector<unsigned char> Sample(bool topDown) {
    std::vector<unsigned char> tga = TgaHeader(3, 2, topDown);
    tga.push_back(0x80 | 2);
    tga.insert(tga.end(), kRed, kRed + 4);
    tga.push_back(2);
    for (const unsigned char* pixel : {kGreen, kBlue, kGreen}) tga.insert(tga.end(), pixel, pixel + 4);
    return tga;
}

// The picture drawn on black, read back as 0x00RRGGBB, rows from the top.
std::vector<std::uint32_t> Drawn(const gui::Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, picture.Width(), -picture.Height(), 1, 32, BI_RGB};
    void* bits = nullptr;
    win::GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win::MemoryDc dc(CreateCompatibleDC(nullptr));
    REQUIRE(bitmap);
    REQUIRE(dc);
    const win::SelectedObject selected(dc.get(), bitmap.get());
    picture.Draw(dc.get(), 0, 0, false, 255);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> result(pixels, pixels + picture.Width() * picture.Height());
    for (std::uint32_t& pixel : result) pixel &= 0x00FFFFFF;
    return result;
}

}  // namespace

TEST_CASE("a run-length TGA is read with its runs and raw packets, rows from the top or the bottom") {
    const std::vector<std::uint32_t> topFirst = {0xFF0000, 0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0x00FF00};
    const std::vector<unsigned char> topDown = Sample(true);
    const gui::Picture picture = gui::Picture::FromTga(topDown.data(), topDown.size());
    CHECK(picture.Width() == 3);
    CHECK(picture.Height() == 2);
    CHECK(Drawn(picture) == topFirst);

    const std::vector<unsigned char> bottomUp = Sample(false);
    const std::vector<std::uint32_t> bottomFirst = {0x00FF00, 0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0xFF0000};
    CHECK(Drawn(gui::Picture::FromTga(bottomUp.data(), bottomUp.size())) == bottomFirst);
}

TEST_CASE("a damaged or unsupported picture raises an error instead of reading past its end") {
    const std::vector<unsigned char> good = Sample(true);
    std::vector<std::vector<unsigned char>> bad;
    bad.emplace_back(good.begin(), good.end() - 1);            // cut inside the last pixel
    bad.emplace_back(good.begin(), good.begin() + 18);         // no pixels at all
    bad.emplace_back(good.begin(), good.begin() + 10);         // header cut short
    std::vector<unsigned char> tooLong = TgaHeader(2, 1, true);  // a run of three in two pixels
    tooLong.push_back(0x80 | 2);
    tooLong.insert(tooLong.end(), kRed, kRed + 4);
    bad.push_back(tooLong);
    std::vector<unsigned char> uncompressed = good;
    uncompressed[2] = 2;
    bad.push_back(uncompressed);
    std::vector<unsigned char> noAlpha = good;
    noAlpha[16] = 24;
    bad.push_back(noAlpha);
    for (size_t i = 0; i < bad.size(); ++i) {
        CAPTURE(i);
        CHECK_THROWS_AS(gui::Picture::FromTga(bad[i].data(), bad[i].size()), win::Error);
    }
}

TEST_CASE("the installer's four button pictures load, 64 pixels square") {
    const HMODULE exe = LoadLibraryExW(L"K:\\KORdexSetup.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    REQUIRE(exe);
    for (int id = 101; id <= 104; ++id) {
        CAPTURE(id);
        const gui::Picture picture = gui::Picture::FromResource(exe, id);
        CHECK(picture.Width() == 64);
        CHECK(picture.Height() == 64);
    }
    FreeLibrary(exe);
}
