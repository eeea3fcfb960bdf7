// The product's folder word and the rules that place it: the installation
// folder that the location buttons propose, and the folder dialog's rules
// between the destination and the folder list.
#pragma once

#include <functional>
#include <optional>
#include <string>

// The product folder word: the installation folder's name and the desktop
// shortcut's.
extern const wchar_t* const kProductFolderWord;

// The product's folder in a folder, as the location buttons propose it: the
// folder's text, a backslash and "Kordex" (C: -> C:\Kordex).
std::wstring WithProductFolder(const std::wstring& folder);

// Whether the destination ends in "\Kordex", in any letter case: the
// installation folder that every location button proposes.
bool EndsInFolderWord(const std::wstring& destination);

// Where the folder list goes when the dialog opens for a destination, or
// nothing when it stays where it is. A destination ending in "\Kordex" gives
// its drive root when it is 9 characters long (C:\Kordex -> C:\), otherwise
// the text without those 7 characters (an empty rest: nothing). Any other
// destination (typed by the user) gives the nearest of its parent and its
// parent's ancestors that exists.
std::optional<std::wstring> ListFolderFor(const std::wstring& destination,
                                          const std::function<bool(const std::wstring&)>& exists);

// The destination the edit box proposes for the list's folder: the folder
// with "Kordex" inside it (D:\ -> D:\Kordex, D:\Apps -> D:\Apps\Kordex).
std::wstring DestinationIn(const std::wstring& folder);
