#include "support/FastShellLink.h"

#include "support/Registry.h"
#include "win/Com.h"
#include "win/Error.h"
#include "win/LateImports.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

const wchar_t kShellFolders[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const wchar_t* ValueNameOf(TFastShellFolder folder) {
    switch (folder) {
    case sfDesktop: return L"Desktop";
    case sfStartMenu: return L"Start Menu";
    case sfProgramsMenu: return L"Programs";
    case sfStartup: return L"Startup";
    case sfMyDocuments: return L"Personal";
    }
    return L"Desktop";
}

// Creates every folder on the way: the path up to and including each backslash.
void CreateFoldersAlong(const std::wstring& path) {
    for (size_t at = path.find(L'\\'); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at + 1).c_str(), nullptr);
}

template <typename Interface>
win::ComPtr<Interface> Query(IUnknown* object, REFIID iid) {
    win::ComPtr<Interface> result;
    if (FAILED(object->QueryInterface(iid, result.receive()))) throw win::Error(L"Interface not supported");
    return result;
}

}  // namespace

void TCreateIn::SetSubfolder(const std::wstring& value) {
    if (value == FSubfolder) return;
    if (value == L"\\") FSubfolder.clear();
    else if (!value.empty() && value.back() != L'\\') FSubfolder = value + L"\\";
    else FSubfolder = value;
}

std::wstring TFastShellLink::LinkFileName(const std::wstring& shellFolderPath) const {
    return shellFolderPath + L"\\" + FCreateIn.Subfolder() + L"\\" + FLinkName + L".lnk";
}

bool TFastShellLink::Execute() const {
    const std::wstring shellFolder = ReadRegistryText(HKEY_CURRENT_USER, kShellFolders, ValueNameOf(FCreateIn.ShellFolder()));
    // Without the folder's location the path would start at the current
    // drive's root: no folders, no shortcut.
    if (shellFolder.empty()) return false;
    const std::wstring folderPath = shellFolder + L"\\" + FCreateIn.Subfolder();
    if (FCreateIn.CreatePath()) CreateFoldersAlong(folderPath);

    win::ComPtr<IUnknown> object;
    const HRESULT created =
        win::CreateComObject(CLSID_ShellLink, IID_IUnknown, object.receive());
    if (FAILED(created))
        throw win::Error(win::SystemErrorText(static_cast<DWORD>(created)) + L", ClassID: " + win::GuidText(CLSID_ShellLink));
    const win::ComPtr<IShellLinkW> link = Query<IShellLinkW>(object.get(), IID_IShellLinkW);
    const win::ComPtr<IPersistFile> file = Query<IPersistFile>(object.get(), IID_IPersistFile);

    // A shortcut that lost any of its settings would start the wrong thing.
    if (FAILED(link->SetArguments(FParamString.c_str()))) return false;
    if (FAILED(link->SetPath(FLinkTarget.c_str()))) return false;
    if (FAILED(link->SetWorkingDirectory(FWorkingDirectory.c_str()))) return false;
    return SUCCEEDED(file->Save(LinkFileName(shellFolder).c_str(), FALSE));
}
