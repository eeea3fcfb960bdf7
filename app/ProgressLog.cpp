#include "app/ProgressLog.h"

#include "win/Error.h"

namespace {
constexpr wchar_t kLineBreak[] = L"\r\n";
}

void ProgressLog::Clear() {
    text_.clear();
    count_ = 0;
    caret_ = 0;
    if (!batches_) Flush();
}

size_t ProgressLog::Add(const std::wstring& text) {
    InsertAt(text_.size(), count_ == 0 ? text : kLineBreak + text);
    return count_++;
}

void ProgressLog::Append(size_t position, const std::wstring& suffix) { InsertAt(SpanOf(position).end, suffix); }

std::wstring ProgressLog::Entry(size_t position) const {
    const Span span = SpanOf(position);
    return text_.substr(span.start, span.end - span.start);
}

ProgressLog::Span ProgressLog::SpanOf(size_t position) const {
    if (position >= count_) {
        throw win::Error(L"Log entry " + win::Decimal(position) + L" does not exist (" + win::Decimal(count_) +
                         L" entries)");
    }
    size_t start = 0;
    for (size_t i = 0; i < position; ++i) start = text_.find(kLineBreak, start) + 2;
    const size_t end = text_.find(kLineBreak, start);
    return {start, end == std::wstring::npos ? text_.size() : end};
}

void ProgressLog::InsertAt(size_t offset, const std::wstring& text) {
    text_.insert(offset, text);
    caret_ = offset + text.size();
    if (!batches_) Flush();
}

void ProgressLog::Flush() {
    if (text_ == shown_) return;
    // Only from the first change on: the box lays out again only the lines
    // it replaces, and a run's entries all come at the end.
    size_t same = 0;
    while (same < shown_.size() && same < text_.size() && shown_[same] == text_[same]) ++same;
    SendMessageW(box_, EM_SETSEL, same, shown_.size());
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text_.c_str() + same));
    shown_ = text_;
    SendMessageW(box_, EM_SETSEL, caret_, caret_);
    SendMessageW(box_, EM_SCROLLCARET, 0, 0);
}
