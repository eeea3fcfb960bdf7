// The names of the installer's own files in a destination folder while a run
// works there: a write's temporary file and the run's claim on the folder.
// Plainly the installer's ("~KS" and hexadecimal digits), so that the next
// run there clears what a killed one left.
#pragma once

#include <string>

// Names tried for a temporary file or a claim, as many as one digit tells apart.
constexpr unsigned kNameAttempts = 16;

// The name of a write's temporary file beside a target of that name: "~KS",
// the number in hexadecimal digits and ".tmp", as many digits as make it as
// long as the target's name (at most five), so that where the target's path
// fits, the temporary one fits too. A name too short for ".tmp" and a digit
// drops the ".tmp"; one of under four characters gets four, the shortest
// that is still plainly the installer's.
std::wstring TemporaryName(const std::wstring& targetName, unsigned number);

// Whether a file name is a temporary one of the installer's, as
// TemporaryName makes them.
bool IsTemporaryName(const std::wstring& name);

// The name of a run's claim: "~KSR", the number as one hexadecimal digit
// (below kNameAttempts), ".tmp".
std::wstring ClaimName(unsigned number);
// The pattern that finds every claim in a folder.
extern const wchar_t kClaimPattern[];
bool IsClaimName(const std::wstring& name);
