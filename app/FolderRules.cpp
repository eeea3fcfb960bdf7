#include "app/FolderRules.h"

#include "win/Paths.h"

#include <iterator>

namespace {

const wchar_t kFolderSuffix[] = L"\\Kordex";
constexpr size_t kSuffixLength = std::size(kFolderSuffix) - 1;
// "C:\Kordex": a drive root and the folder word.
constexpr size_t kRootDestinationLength = 2 + kSuffixLength;

}  // namespace

const wchar_t* const kProductFolderWord = kFolderSuffix + 1;

std::wstring WithProductFolder(const std::wstring& folder) { return folder + kFolderSuffix; }

bool EndsInFolderWord(const std::wstring& destination) {
    return destination.size() >= kSuffixLength &&
           win::SameFileName(destination.substr(destination.size() - kSuffixLength), kFolderSuffix);
}

std::optional<std::wstring> ListFolderFor(const std::wstring& destination,
                                          const std::function<bool(const std::wstring&)>& exists) {
    if (EndsInFolderWord(destination)) {
        const std::wstring folder = destination.size() == kRootDestinationLength
                                        ? destination.substr(0, 3)
                                        : destination.substr(0, destination.size() - kSuffixLength);
        if (folder.empty()) return std::nullopt;
        return folder;
    }
    for (std::wstring folder = win::ParentFolder(destination); !folder.empty(); folder = win::ParentFolder(folder))
        if (exists(folder)) return folder;
    return std::nullopt;
}

std::wstring DestinationIn(const std::wstring& folder) {
    return folder.size() == 3 ? folder + kProductFolderWord : WithProductFolder(folder);
}
