// The installer's log, shown in the main window's read-only text box: a list
// of entries, one line each, that may wrap onto several visual lines. Entries
// are addressed by position since the last Clear, never by visual line.
#pragma once

#include <windows.h>

#include <string>

class ProgressLog {
public:
    explicit ProgressLog(HWND box) : box_(box) {}

    void Clear();
    // Answers the new entry's position.
    size_t Add(const std::wstring& text);
    void Append(size_t position, const std::wstring& suffix);
    std::wstring Entry(size_t position) const;
    size_t Count() const { return count_; }

private:
    // Writes text at a character offset, leaving the caret behind it in view.
    void InsertAt(size_t offset, const std::wstring& text);
    std::wstring Text() const;
    // Where an entry's text starts and ends in the box's text.
    struct Span {
        size_t start, end;
    };
    Span SpanOf(size_t position, const std::wstring& text) const;

    HWND box_;
    // The box's text alone cannot tell "no entries" from "one empty entry".
    size_t count_ = 0;
};
