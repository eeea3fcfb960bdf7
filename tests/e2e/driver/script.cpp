#include "script.h"

#include "handles.h"
#include "text.h"

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool isNameChar(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'_';
}

// Tokenises one line; variables from the command line win over the environment.
class LineParser {
public:
    LineParser(const std::wstring& line, int number, const Variables& variables)
        : s_(line), number_(number), variables_(variables) {}

    std::vector<Arg> parse() {
        std::vector<Arg> args;
        for (;;) {
            while (pos_ < s_.size() && isBlank(s_[pos_]))
                ++pos_;
            if (pos_ >= s_.size())
                return args;
            args.push_back(s_[pos_] == L'"' ? quoted() : bare());
        }
    }

private:
    [[noreturn]] void error(const std::wstring& message) { throw ScriptError{number_, message}; }

    Arg quoted() {
        Arg arg{L"", true};
        ++pos_;
        for (;;) {
            if (pos_ >= s_.size())
                error(L"missing closing quote");
            wchar_t c = s_[pos_++];
            if (c == L'"')
                break;
            if (c == L'$' && pos_ < s_.size() && s_[pos_] == L'{') {
                arg.text += variable();
            } else if (c == L'\\') {
                if (pos_ >= s_.size())
                    error(L"backslash at the end of the line");
                wchar_t e = s_[pos_++];
                switch (e) {
                case L'"': arg.text += L'"'; break;
                case L'\\': arg.text += L'\\'; break;
                case L'n': arg.text += L'\n'; break;
                case L'r': arg.text += L'\r'; break;
                case L't': arg.text += L'\t'; break;
                case L'$': arg.text += L'$'; break;
                default: error(std::wstring(L"unknown escape \\") + e);
                }
            } else {
                arg.text += c;
            }
        }
        if (pos_ < s_.size() && !isBlank(s_[pos_]))
            error(L"a blank must follow the closing quote");
        return arg;
    }

    Arg bare() {
        Arg arg;
        while (pos_ < s_.size() && !isBlank(s_[pos_])) {
            wchar_t c = s_[pos_++];
            if (c == L'"')
                error(L"a quote inside an unquoted argument; quote the whole argument");
            if (c == L'$' && pos_ < s_.size() && s_[pos_] == L'{')
                arg.text += variable();
            else
                arg.text += c;
        }
        return arg;
    }

    // Called with pos_ on the '{' after '$'.
    std::wstring variable() {
        size_t start = ++pos_;
        while (pos_ < s_.size() && isNameChar(s_[pos_]))
            ++pos_;
        if (pos_ >= s_.size() || s_[pos_] != L'}' || pos_ == start)
            error(L"malformed ${NAME}");
        std::wstring name = s_.substr(start, pos_ - start);
        ++pos_;
        auto it = variables_.find(name);
        if (it != variables_.end())
            return it->second;
        DWORD n = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
        if (n == 0)
            error(L"variable " + name + L" is not set (pass " + name + L"=VALUE)");
        std::wstring value(n, L'\0');
        value.resize(GetEnvironmentVariableW(name.c_str(), &value[0], n));
        return value;
    }

    const std::wstring& s_;
    int number_;
    const Variables& variables_;
    size_t pos_ = 0;
};

std::wstring trim(const std::wstring& s) {
    size_t b = 0, e = s.size();
    while (b < e && (isBlank(s[b]) || s[b] == L'\r'))
        ++b;
    while (e > b && (isBlank(s[e - 1]) || s[e - 1] == L'\r'))
        --e;
    return s.substr(b, e - b);
}

}  // namespace

std::wstring readScriptFile(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw ScriptError{0, L"cannot open " + path};
    UniqueHandle file(h);
    std::string bytes;
    char buf[4096];
    DWORD n;
    while (ReadFile(file.get(), buf, sizeof buf, &n, nullptr) && n > 0)
        bytes.append(buf, n);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    return fromUtf8(bytes);
}

std::vector<Step> parseScript(const std::wstring& text, const Variables& variables,
                              const std::function<bool(const std::wstring&)>& takesBlock) {
    std::vector<Step> steps;
    Step* open = nullptr;  // the step collecting a block
    size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == L'#')
            continue;
        std::vector<Arg> args = LineParser(line, number, variables).parse();
        if (open) {
            if (args.size() != 1)
                throw ScriptError{number, L"one argument per line inside a block (quote text with blanks)"};
            if (!args[0].quoted && args[0].text == L"end")
                open = nullptr;
            else
                open->block.push_back(args[0]);
            continue;
        }
        steps.push_back(Step{number, line, args, {}});
        if (takesBlock(args[0].text))
            open = &steps.back();
    }
    if (open)
        throw ScriptError{open->line, L"block not closed with a line `end`"};
    return steps;
}
