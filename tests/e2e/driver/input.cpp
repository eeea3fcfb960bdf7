#include "input.h"

#include <cwctype>

namespace {

struct KeyName {
    const wchar_t* name;
    WORD vk;
};

const KeyName kKeys[] = {
    {L"TAB", VK_TAB},      {L"ENTER", VK_RETURN},   {L"SPACE", VK_SPACE},    {L"ESC", VK_ESCAPE},
    {L"BACKSPACE", VK_BACK}, {L"DELETE", VK_DELETE}, {L"INSERT", VK_INSERT},  {L"HOME", VK_HOME},
    {L"END", VK_END},      {L"PGUP", VK_PRIOR},     {L"PGDN", VK_NEXT},      {L"LEFT", VK_LEFT},
    {L"RIGHT", VK_RIGHT},  {L"UP", VK_UP},          {L"DOWN", VK_DOWN},      {L"SHIFT", VK_SHIFT},
    {L"CTRL", VK_CONTROL}, {L"ALT", VK_MENU},       {L"F1", VK_F1},          {L"F2", VK_F2},
    {L"F3", VK_F3},        {L"F4", VK_F4},          {L"F5", VK_F5},          {L"F6", VK_F6},
    {L"F7", VK_F7},        {L"F8", VK_F8},          {L"F9", VK_F9},          {L"F10", VK_F10},
    {L"F11", VK_F11},      {L"F12", VK_F12},
};

bool keyFromName(const std::wstring& name, WORD& vk) {
    std::wstring upper;
    for (wchar_t c : name)
        upper += (wchar_t)towupper(c);
    if (upper.size() == 1 && ((upper[0] >= L'A' && upper[0] <= L'Z') || (upper[0] >= L'0' && upper[0] <= L'9'))) {
        vk = upper[0];  // letters and digits are their own virtual keys
        return true;
    }
    for (const auto& k : kKeys)
        if (upper == k.name) {
            vk = k.vk;
            return true;
        }
    return false;
}

// The navigation block sits on extended scan codes; without the flag they read as the keypad.
bool isExtended(WORD vk) {
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT keyEvent(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyW(vk, 0 /* MAPVK_VK_TO_VSC */);
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

}  // namespace

bool parseChord(const std::wstring& name, std::vector<WORD>& keys) {
    keys.clear();
    size_t start = 0;
    for (;;) {
        size_t plus = name.find(L'+', start);
        WORD vk;
        if (!keyFromName(name.substr(start, plus == std::wstring::npos ? std::wstring::npos : plus - start), vk))
            return false;
        keys.push_back(vk);
        if (plus == std::wstring::npos)
            return true;
        start = plus + 1;
    }
}

void sendChord(const std::vector<WORD>& keys) {
    std::vector<INPUT> events;
    for (WORD vk : keys)
        events.push_back(keyEvent(vk, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        events.push_back(keyEvent(*it, true));
    SendInput((UINT)events.size(), events.data(), sizeof(INPUT));
}

bool movePointer(POINT to) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    // Absolute coordinates run 0..65535 over the screen; aim at the pixel's centre so rounding lands on it.
    in.mi.dx = (LONG)(((2LL * to.x + 1) * 65536) / (2LL * width));
    in.mi.dy = (LONG)(((2LL * to.y + 1) * 65536) / (2LL * height));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    POINT now;
    return GetCursorPos(&now) && now.x == to.x && now.y == to.y;
}

void clickLeft() {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

void pressLeft(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}
