#pragma once
// Screen captures written as 24-bit BMP files.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // top-down rows, 0x00RRGGBB
    bool operator==(const Image& o) const { return width == o.width && height == o.height && pixels == o.pixels; }
};

// Copies a rectangle of the screen as it is shown now.
Image captureScreen(const RECT& area);

// Returns false with the system error code on failure.
bool writeBmp(const std::wstring& path, const Image& image, DWORD& error);
