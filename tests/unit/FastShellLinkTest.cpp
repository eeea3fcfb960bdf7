#include "WideText.h"
#include "support/FastShellLink.h"
#include "support/Registry.h"
#include "win/Com.h"
#include "win/Error.h"
#include "win/Handles.h"

#include <windows.h>
#include <shlobj.h>

#include <doctest.h>

#include <string>

namespace {

const wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::wstring ShellFolder(const wchar_t* name) { return ReadRegistryText(HKEY_CURRENT_USER, kShellFolders, name); }

// Changes one Shell Folders value for a test and puts the old one back.
class ShellFolderOverride {
public:
    explicit ShellFolderOverride(const wchar_t* name) : name_(name), saved_(ShellFolder(name)) {
        RegOpenKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, KEY_ALL_ACCESS, key_.receive());
    }
    ~ShellFolderOverride() { SetText(saved_); }
    void Remove() { RegDeleteValueW(key_.get(), name_); }
    void SetText(const std::wstring& text) {
        RegSetValueExW(key_.get(), name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void SetNumber(DWORD number) {
        RegSetValueExW(key_.get(), name_, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    }

private:
    const wchar_t* name_;
    std::wstring saved_;
    win::RegKey key_;
};

struct LinkContents {
    std::wstring path, workingDirectory, arguments;
};

LinkContents Load(const std::wstring& file) {
    win::ComPtr<IShellLinkW> link;
    REQUIRE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.receive())));
    win::ComPtr<IPersistFile> persist;
    REQUIRE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, persist.receive())));
    REQUIRE(SUCCEEDED(persist->Load(file.c_str(), STGM_READ)));
    wchar_t text[MAX_PATH * 2] = L"";
    LinkContents contents;
    link->GetPath(text, MAX_PATH * 2, nullptr, 0);
    contents.path = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    contents.workingDirectory = text;
    text[0] = L'\0';
    link->GetArguments(text, MAX_PATH * 2);
    contents.arguments = text;
    return contents;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

TEST_CASE("a new component makes a normal shortcut named My New ShellLink on the desktop") {
    const TFastShellLink link;
    CHECK(link.LinkName() == L"My New ShellLink");
    CHECK(link.CreateIn().CreatePath());
    CHECK(link.CreateIn().ShellFolder() == sfDesktop);
    CHECK(link.CreateIn().Subfolder().empty());
    CHECK(link.LinkTarget().empty());
    CHECK(link.ParamString().empty());
    CHECK(link.WorkingDirectory().empty());
    CHECK(link.RunAs() == raNormal);
}

TEST_CASE("the subfolder is stored empty or ending in a backslash") {
    struct Case {
        const wchar_t* before;
        const wchar_t* set;
        const wchar_t* stored;
    };
    const Case cases[] = {
        {L"", L"Tools", L"Tools\\"},     {L"", L"\\", L""},           {L"", L"Tools\\", L"Tools\\"},
        {L"", L"A\\B", L"A\\B\\"},       {L"Tools\\", L"", L""},      {L"Tools\\", L"\\", L""},
        {L"Tools\\", L"Tools\\", L"Tools\\"},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.set));
        TCreateIn createIn;
        createIn.SetSubfolder(c.before);
        createIn.SetSubfolder(c.set);
        CHECK(createIn.Subfolder() == c.stored);
    }
}

TEST_CASE("the shortcut's name doubles the backslash when the subfolder is empty") {
    TFastShellLink link;
    link.SetLinkName(L"Kordex");
    CHECK(link.LinkFileName(L"C:\\Users\\Name\\Desktop") == L"C:\\Users\\Name\\Desktop\\\\Kordex.lnk");
    link.CreateIn().SetSubfolder(L"Tools");
    CHECK(link.LinkFileName(L"C:\\Users\\Name\\Desktop") == L"C:\\Users\\Name\\Desktop\\Tools\\\\Kordex.lnk");
}

TEST_CASE("a desktop shortcut is saved with its target, working folder and arguments, replacing an older one") {
    win::ComApartment com;
    const std::wstring file = ShellFolder(L"Desktop") + L"\\KordexUnitTest.lnk";
    TFastShellLink link;
    link.SetLinkName(L"KordexUnitTest");
    link.SetLinkTarget(L"C:\\windows\\notepad.exe");
    link.SetWorkingDirectory(L"C:\\windows");
    CHECK(link.Execute());
    LinkContents saved = Load(file);
    CHECK(saved.path == L"C:\\windows\\notepad.exe");
    CHECK(saved.workingDirectory == L"C:\\windows");
    CHECK(saved.arguments.empty());

    link.SetLinkTarget(L"C:\\windows\\regedit.exe");
    link.SetParamString(L"/s file.reg");
    CHECK(link.Execute());
    saved = Load(file);
    CHECK(saved.path == L"C:\\windows\\regedit.exe");
    CHECK(saved.arguments == L"/s file.reg");
    DeleteFileW(file.c_str());
}

TEST_CASE("missing folders below the shell folder are made on the way, unless told not to") {
    win::ComApartment com;
    const std::wstring documents = ShellFolder(L"Personal");
    TFastShellLink link;
    link.SetLinkName(L"Deep");
    link.SetLinkTarget(L"C:\\windows\\notepad.exe");
    link.CreateIn().SetShellFolder(sfMyDocuments);
    link.CreateIn().SetSubfolder(L"KordexLinkTest\\Inner");
    link.CreateIn().SetCreatePath(false);
    CHECK_FALSE(link.Execute());
    CHECK_FALSE(Exists(documents + L"\\KordexLinkTest"));

    link.CreateIn().SetCreatePath(true);
    CHECK(link.Execute());
    CHECK(Exists(documents + L"\\KordexLinkTest\\Inner\\Deep.lnk"));
    DeleteFileW((documents + L"\\KordexLinkTest\\Inner\\Deep.lnk").c_str());
    RemoveDirectoryW((documents + L"\\KordexLinkTest\\Inner").c_str());
    RemoveDirectoryW((documents + L"\\KordexLinkTest").c_str());
}

TEST_CASE("a missing shell-folder value makes no folders and no shortcut, and says so") {
    win::ComApartment com;
    ShellFolderOverride startup(L"Startup");
    startup.Remove();
    TFastShellLink link;
    link.SetLinkName(L"Lost");
    link.SetLinkTarget(L"C:\\windows\\notepad.exe");
    link.CreateIn().SetShellFolder(sfStartup);
    link.CreateIn().SetSubfolder(L"KordexRootTest");
    CHECK_FALSE(link.Execute());
    CHECK_FALSE(Exists(L"\\KordexRootTest"));
}

TEST_CASE("a shell-folder value that is not text raises the data type error") {
    win::ComApartment com;
    ShellFolderOverride startup(L"Startup");
    startup.SetNumber(1);
    TFastShellLink link;
    link.CreateIn().SetShellFolder(sfStartup);
    try {
        link.Execute();
        FAIL("no error raised");
    } catch (const win::Error& error) {
        CHECK(error.message() == L"Invalid data type for 'Startup'");
    }
}
