// The one exception type: a message meant for the user, and the system's
// own text for its error codes.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace win {

class Error : public std::exception {
public:
    explicit Error(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& message() const { return message_; }
    const char* what() const noexcept override { return "error with a message for the user"; }

private:
    std::wstring message_;
};

// The system's own description of an error code, without the full stop and
// the line break the system puts at its end: a reason, to be put in a
// message of ours (the error box adds the message's full stop).
std::wstring SystemErrorText(DWORD code);

// A number in decimal, for messages; the runtime's formatted output would
// bring a whole printf into the program for it. Takes any size_t: on 64-bit
// Windows unsigned long is still 32 bits.
std::wstring Decimal(unsigned long long value);

// Raises the last platform error, its system text prefixed by what failed.
[[noreturn]] void ThrowLastError(const std::wstring& what);

// The message of the exception being handled, for any exception type.
std::wstring CurrentExceptionMessage();

}  // namespace win
