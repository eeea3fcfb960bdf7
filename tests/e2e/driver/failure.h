#pragma once
// A step that did not hold; main reports it with the script line.

#include <string>

struct Failure {
    std::wstring message;
};

[[noreturn]] inline void fail(const std::wstring& message) { throw Failure{message}; }
