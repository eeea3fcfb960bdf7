// The wide string class, made here instead of taken from the C++ library.
// The library's copy is one object of every member, and calling any one of
// them links it whole: 34 KB of code and unwind tables in the 32-bit exe.
// Made here, each member lands in a section of its own, and the linker keeps
// those the installer calls (12 KB less). The library's copy is no longer
// needed, as this defines every member it would.
#include <string>

template class std::basic_string<wchar_t>;
