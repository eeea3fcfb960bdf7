// The pieces of messages: the system's reason for an error, put in a
// sentence of ours, and numbers (sizes and positions reach win::Decimal as
// size_t, which on 64-bit Windows is wider than unsigned long).
#include "WideText.h"
#include "win/Error.h"

#include <doctest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

TEST_CASE("Decimal writes every digit of any size") {
    const struct {
        unsigned long long value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"},
        {7, L"7"},
        {10, L"10"},
        {4294967295ULL, L"4294967295"},
        {4294967296ULL, L"4294967296"},
        {std::numeric_limits<std::uint64_t>::max(), L"18446744073709551615"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.value);
        CHECK(win::Decimal(c.value) == c.text);
    }
}

TEST_CASE("Decimal takes the largest size_t whole") {
    const std::size_t largest = std::numeric_limits<std::size_t>::max();
    CHECK(win::Decimal(largest) ==
          (sizeof largest == 8 ? L"18446744073709551615" : L"4294967295"));
}

TEST_CASE("the system's reason for an error ends without its full stop or line break") {
    for (DWORD code : {ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND, ERROR_DISK_FULL, ERROR_SHARING_VIOLATION}) {
        const std::wstring reason = win::SystemErrorText(code);
        CAPTURE(code);
        CAPTURE(reason);
        REQUIRE(reason.size() > 3);
        CHECK(std::wstring(L". \r\n").find(reason.back()) == std::wstring::npos);
    }
    // A code the system has no text for is still named.
    CHECK(win::SystemErrorText(0x2FFFFFFF) == L"System error 805306367");
}
