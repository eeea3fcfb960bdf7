#include "app/ProgressLog.h"

#include "win/Error.h"
#include "win/Window.h"

namespace {
constexpr wchar_t kLineBreak[] = L"\r\n";
}

void ProgressLog::Clear() {
    SetWindowTextW(box_, L"");
    count_ = 0;
}

size_t ProgressLog::Add(const std::wstring& text) {
    InsertAt(Text().size(), count_ == 0 ? text : kLineBreak + text);
    return count_++;
}

void ProgressLog::Append(size_t position, const std::wstring& suffix) {
    InsertAt(SpanOf(position, Text()).end, suffix);
}

std::wstring ProgressLog::Entry(size_t position) const {
    const std::wstring all = Text();
    const Span span = SpanOf(position, all);
    return all.substr(span.start, span.end - span.start);
}

ProgressLog::Span ProgressLog::SpanOf(size_t position, const std::wstring& text) const {
    if (position >= count_) {
        throw win::Error(L"Log entry " + std::to_wstring(position) + L" does not exist (" + std::to_wstring(count_) +
                         L" entries)");
    }
    size_t start = 0;
    for (size_t i = 0; i < position; ++i) start = text.find(kLineBreak, start) + 2;
    const size_t end = text.find(kLineBreak, start);
    return {start, end == std::wstring::npos ? text.size() : end};
}

void ProgressLog::InsertAt(size_t offset, const std::wstring& text) {
    SendMessageW(box_, EM_SETSEL, offset, offset);
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(box_, EM_SCROLLCARET, 0, 0);
}

std::wstring ProgressLog::Text() const { return win::WindowText(box_); }
