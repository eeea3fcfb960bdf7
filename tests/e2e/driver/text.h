#pragma once
// Text conversion, number parsing and console output.

#include <string>

std::wstring fromUtf8(const std::string& bytes);
std::string toUtf8(const std::wstring& text);

// A value as shown in messages: quoted, with control characters escaped so
// trailing blanks and line breaks are visible.
std::wstring quote(const std::wstring& text);

// Decimal, or hexadecimal with 0x; false when anything else is in the way.
bool parseInteger(const std::wstring& text, long long& value);
// Hexadecimal with or without 0x.
bool parseHex(const std::wstring& text, unsigned long& value);
std::wstring toHex(unsigned long value);

// Whole lines, written at once so stdout and stderr interleave in order.
void printOut(const std::wstring& line);
void printErr(const std::wstring& line);

// Under Wine a path starting with '/' is a Unix path; map it to a drive path.
std::wstring hostPath(const std::wstring& path);
