// The C++ runtime's failure paths, in a few lines of our own. The library's
// own versions would link, for paths a working installer never takes, a
// demangler (to print an escaped exception's type to a console a windowed
// program does not have), a second string class and a printf: some 130 KB
// together. The linker takes these definitions instead of the library's.
#include "win/Error.h"

#include <bits/functexcept.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// The library's messages are plain ASCII.
std::wstring Widened(const char* text) { return std::wstring(text, text + std::strlen(text)); }

// The library's position messages, filled in: they take only %s and %zu
// (%lu in a few), which a printf of the runtime's own would cost the exe.
std::wstring Filled(const char* format, va_list values) {
    std::wstring text;
    for (const char* at = format; *at; ++at) {
        if (std::strncmp(at, "%s", 2) == 0) {
            text += Widened(va_arg(values, const char*));
            at += 1;
        } else if (std::strncmp(at, "%zu", 3) == 0 || std::strncmp(at, "%lu", 3) == 0) {
            text += win::Decimal(at[1] == 'z' ? va_arg(values, std::size_t) : va_arg(values, unsigned long));
            at += 2;
        } else {
            text += static_cast<wchar_t>(*at);
        }
    }
    return text;
}

}  // namespace

namespace __gnu_cxx {

// Should an exception ever escape every handler (none should: the window
// procedures catch them all).
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }

void __throw_bad_array_new_length() { throw bad_array_new_length(); }

// A null pointer made into a string, a position past a string's end, a
// string or a list asked to grow beyond any size it can have (a length
// worked out wrong, not memory running out): faults of the program, shown in
// the error box like any other error.
void __throw_logic_error(const char* what) { throw win::Error(L"Internal error: " + Widened(what)); }

void __throw_length_error(const char* what) { __throw_logic_error(what); }

void __throw_out_of_range_fmt(const char* format, ...) {
    va_list values;
    va_start(values, format);
    const std::wstring text = Filled(format, values);
    va_end(values);
    throw win::Error(L"Internal error: " + text);
}

}  // namespace std
