// The shipped installer's resources, read back with the system's own calls.
#include <windows.h>

#include <doctest.h>

#include <string>
#include <vector>

namespace {

// The shipped 32-bit installer, on the test prefix's drive S: (the build
// folder, or the 32-bit build's beside an x86-64 one: a resource is read
// from an exe of either bitness).
const wchar_t kInstaller[] = L"S:\\KORdexSetup.exe";

std::vector<unsigned char> VersionBlock() {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kInstaller, &ignored);
    REQUIRE(size > 0);
    std::vector<unsigned char> block(size);
    REQUIRE(GetFileVersionInfoW(kInstaller, 0, size, block.data()));
    return block;
}

std::wstring VersionString(std::vector<unsigned char>& block, const std::wstring& name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040904E4\\" + name;
    REQUIRE_MESSAGE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length), path);
    return std::wstring(value);
}

struct DataFile {
    HMODULE module = LoadLibraryExW(kInstaller, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~DataFile() { FreeLibrary(module); }
};

std::string Manifest(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    REQUIRE(found);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

}  // namespace

TEST_CASE("the version block names the product in U.S. English, code page 1252") {
    std::vector<unsigned char> block = VersionBlock();

    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    REQUIRE(length >= sizeof(Translation));
    CHECK(translation->language == 0x0409);
    CHECK(translation->codePage == 1252);

    VS_FIXEDFILEINFO* fixed = nullptr;
    REQUIRE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwFileVersionMS == MAKELONG(9, 0));
    CHECK(fixed->dwFileVersionLS == MAKELONG(3, 2));

    CHECK(VersionString(block, L"FileVersion") == L"0.9.2.3");
    CHECK(VersionString(block, L"ProductVersion") == L"0.92");
    CHECK(VersionString(block, L"ProductName") == L"KORdex 1.2 - program telepítő");
}

TEST_CASE("the manifest asks for common controls 6, runs as invoker, is dpi aware and knows Vista and 7") {
    DataFile exe;
    REQUIRE(exe.module);
    const std::string manifest = Manifest(exe.module);
    const char* const expected[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "level=\"asInvoker\"",
        ">true</dpiAware>",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
    };
    for (const char* part : expected) {
        CAPTURE(part);
        CHECK(manifest.find(part) != std::string::npos);
    }
}

// How each image is stored (bitmap or PNG) is read by outside readers in
// tests/build/check-icon.sh; here the system loads each size.
TEST_CASE("the program icon loads at 16, 24, 32, 48 and 256 pixels as 32-bit images") {
    DataFile exe;
    REQUIRE(exe.module);
    for (int size : {16, 24, 32, 48, 256}) {
        CAPTURE(size);
        HICON icon = static_cast<HICON>(LoadImageW(exe.module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        REQUIRE(icon);
        ICONINFO info{};
        REQUIRE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == size);
        CHECK(bitmap.bmHeight == size);
        CHECK(bitmap.bmBitsPixel == 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}
