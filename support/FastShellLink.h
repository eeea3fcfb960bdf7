// A shortcut (.lnk) in one of the user's shell folders, made through the
// platform's shell-link object from the component's properties.
#pragma once

#include <string>

// The shell folder the shortcut goes into; each is located by a value of
// HKCU\...\Explorer\Shell Folders.
enum TFastShellFolder { sfDesktop, sfStartMenu, sfProgramsMenu, sfStartup, sfMyDocuments };

// The window state named for the started program. It changes nothing: the
// shortcut keeps the platform's default show command.
enum TRunAs { raNormal, raMinimized, raMaximized };

class TCreateIn {
public:
    bool CreatePath() const { return FCreatePath; }
    void SetCreatePath(bool value) { FCreatePath = value; }
    TFastShellFolder ShellFolder() const { return FShellFolder; }
    void SetShellFolder(TFastShellFolder value) { FShellFolder = value; }
    const std::wstring& Subfolder() const { return FSubfolder; }
    // A lone "\" becomes empty; any other value ends in "\".
    void SetSubfolder(const std::wstring& value);

private:
    bool FCreatePath = true;  // create missing folders on the way to the shortcut
    TFastShellFolder FShellFolder = sfDesktop;
    std::wstring FSubfolder;  // below the shell folder: empty, or ending in "\"
};

class TFastShellLink {
public:
    TCreateIn& CreateIn() { return FCreateIn; }
    const TCreateIn& CreateIn() const { return FCreateIn; }

    const std::wstring& LinkName() const { return FLinkName; }
    void SetLinkName(const std::wstring& value) { FLinkName = value; }
    const std::wstring& LinkTarget() const { return FLinkTarget; }
    void SetLinkTarget(const std::wstring& value) { FLinkTarget = value; }
    const std::wstring& ParamString() const { return FParamString; }
    void SetParamString(const std::wstring& value) { FParamString = value; }
    const std::wstring& WorkingDirectory() const { return FWorkingDirectory; }
    void SetWorkingDirectory(const std::wstring& value) { FWorkingDirectory = value; }
    TRunAs RunAs() const { return FRunAs; }
    void SetRunAs(TRunAs value) { FRunAs = value; }

    // Creates the shortcut. True when every setting was taken and the
    // shortcut file was saved. A missing
    // shell-folder value makes no folders and no shortcut. The shell-link
    // object's creation errors ("<reason>, ClassID: {...}", "Interface not
    // supported") and the registry's data-type error reach the caller.
    bool Execute() const;

    // The shortcut's file name for a shell-folder path: two backslashes stand
    // in a row when Subfolder is empty, which the file system reads as one.
    std::wstring LinkFileName(const std::wstring& shellFolderPath) const;

private:
    TCreateIn FCreateIn;
    std::wstring FLinkName = L"My New ShellLink";
    std::wstring FLinkTarget;
    std::wstring FParamString;
    std::wstring FWorkingDirectory;
    TRunAs FRunAs = raNormal;
};
