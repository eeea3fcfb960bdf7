#include "screenshot.h"

#include "handles.h"

Image captureScreen(const RECT& area) {
    Image image;
    image.width = area.right - area.left;
    image.height = area.bottom - area.top;
    if (image.width <= 0 || image.height <= 0)
        return Image{};
    WindowDc screen(nullptr);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return Image{};
    {
        Selection select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    const auto* p = static_cast<const uint32_t*>(bits);
    image.pixels.assign(p, p + (size_t)image.width * image.height);
    for (auto& px : image.pixels)
        px &= 0x00FFFFFF;
    return image;
}

bool writeBmp(const std::wstring& path, const Image& image, DWORD& error) {
    const DWORD rowBytes = ((DWORD)image.width * 3 + 3) & ~3u;
    const DWORD dataBytes = rowBytes * image.height;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + dataBytes;
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;  // bottom-up, the form every reader accepts
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = dataBytes;

    std::vector<unsigned char> data(dataBytes, 0);
    for (int y = 0; y < image.height; ++y) {
        unsigned char* row = &data[(size_t)(image.height - 1 - y) * rowBytes];
        for (int x = 0; x < image.width; ++x) {
            uint32_t px = image.pixels[(size_t)y * image.width + x];
            row[x * 3 + 0] = (unsigned char)(px & 0xFF);
            row[x * 3 + 1] = (unsigned char)((px >> 8) & 0xFF);
            row[x * 3 + 2] = (unsigned char)((px >> 16) & 0xFF);
        }
    }

    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    UniqueHandle out(h);
    DWORD written;
    bool ok = WriteFile(h, &file, sizeof file, &written, nullptr) && WriteFile(h, &info, sizeof info, &written, nullptr) &&
              WriteFile(h, data.data(), dataBytes, &written, nullptr);
    error = ok ? 0 : GetLastError();
    return ok;
}
