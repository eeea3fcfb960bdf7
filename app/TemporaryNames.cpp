#include "app/TemporaryNames.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

const wchar_t kTemporaryPrefix[] = L"~KS";
const wchar_t kTemporaryExtension[] = L".tmp";
constexpr size_t kPrefixLength = std::size(kTemporaryPrefix) - 1;
constexpr size_t kExtensionLength = std::size(kTemporaryExtension) - 1;
constexpr size_t kMostDigits = 5;
const wchar_t kHexDigits[] = L"0123456789ABCDEF";
const wchar_t kClaimPrefix[] = L"~KSR";
constexpr size_t kClaimPrefixLength = std::size(kClaimPrefix) - 1;

}  // namespace

const wchar_t kClaimPattern[] = L"~KSR?.tmp";

std::wstring TemporaryName(const std::wstring& targetName, unsigned number) {
    const size_t length = targetName.size();
    const bool extension = length >= kPrefixLength + 1 + kExtensionLength;
    const size_t taken = kPrefixLength + (extension ? kExtensionLength : 0);
    const size_t digits = std::clamp<size_t>(length > taken ? length - taken : 0, 1, kMostDigits);
    std::wstring name = kTemporaryPrefix;
    for (size_t digit = digits; digit-- > 0;) name += kHexDigits[(number >> (4 * digit)) & 0xF];
    if (extension) name += kTemporaryExtension;
    return name;
}

bool IsTemporaryName(const std::wstring& name) {
    if (name.compare(0, kPrefixLength, kTemporaryPrefix) != 0) return false;
    const size_t digitsEnd = std::min(name.find_first_not_of(kHexDigits, kPrefixLength), name.size());
    const size_t digits = digitsEnd - kPrefixLength;
    return digits >= 1 && digits <= kMostDigits &&
           (digitsEnd == name.size() || name.compare(digitsEnd, std::wstring::npos, kTemporaryExtension) == 0);
}

std::wstring ClaimName(unsigned number) {
    return kClaimPrefix + std::wstring(1, kHexDigits[number & 0xF]) + kTemporaryExtension;
}

bool IsClaimName(const std::wstring& name) {
    return name.size() == kClaimPrefixLength + 1 + kExtensionLength &&
           name.compare(0, kClaimPrefixLength, kClaimPrefix) == 0 &&
           std::wstring_view(kHexDigits).find(name[kClaimPrefixLength]) != std::wstring_view::npos &&
           name.compare(kClaimPrefixLength + 1, kExtensionLength, kTemporaryExtension) == 0;
}
