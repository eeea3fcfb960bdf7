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

    // Outside a batch each write shows at once. While a batch lives, the
    // writes gather here and the box shows them in one go when the outermost
    // batch ends or at Flush, which must come before anything that lets the
    // box paint or be read (a message box). The
    // box then shows what the writes one by one would have left: the same
    // text, the caret behind the latest write, that write in view. Each write
    // costs the box a new layout of its lines (about a millisecond under
    // Wine); a handler that paints nothing in between loses nothing by
    // gathering them.
    class Batch {
    public:
        explicit Batch(ProgressLog& log) : log_(log) { ++log_.batches_; }
        ~Batch() {
            if (--log_.batches_ == 0) log_.Flush();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ProgressLog& log_;
    };
    void Flush();

private:
    // Writes text at a character offset, leaving the caret behind it in view.
    void InsertAt(size_t offset, const std::wstring& text);
    // Where an entry's text starts and ends in the box's text.
    struct Span {
        size_t start, end;
    };
    Span SpanOf(size_t position) const;

    HWND box_;
    // The box's text, as it shows it or will once the batch ends; the box
    // alone cannot tell "no entries" from "one empty entry".
    std::wstring text_;
    std::wstring shown_;  // what the box shows now
    size_t count_ = 0;
    size_t caret_ = 0;  // behind the latest write
    int batches_ = 0;
};
