// The C++ runtime's failure paths, in a few lines of our own. The library's
// own versions would link, for paths a working installer never takes, a
// demangler (to print an escaped exception's type to a console a windowed
// program does not have), a second string class and a printf: some 130 KB
// together. The linker takes these definitions instead of the library's.
#include "win/Error.h"

#include <bits/functexcept.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// The library's messages are plain ASCII.
std::wstring Widened(const char* text) { return std::wstring(text, text + std::strlen(text)); }

}  // namespace

namespace __gnu_cxx {

// Should an exception ever escape every handler (none should: the window
// procedures catch them all).
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }

void __throw_bad_array_new_length() { throw bad_array_new_length(); }

// A string or a list asked to grow beyond what memory can hold.
void __throw_length_error(const char*) { throw bad_alloc(); }

// A null pointer made into a string, a position past a string's end: faults
// of the program, shown in the error box like any other error.
void __throw_logic_error(const char* what) { throw win::Error(L"Internal error: " + Widened(what)); }

void __throw_out_of_range_fmt(const char* format, ...) { throw win::Error(L"Internal error: " + Widened(format)); }

}  // namespace std
