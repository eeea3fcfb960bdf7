#include "gui/Picture.h"
#include "gui/PictureButton.h"

#include <doctest.h>

#include <sstream>
#include <string>

using gui::ButtonLook;
using gui::ButtonState;
using gui::FrameLook;
using gui::PictureLook;

namespace {

// A state from words: "pressing" (mouse or space held on it), "over",
// "focus", "disabled", "greyed", "down", "classic" (no visual styles),
// "nocues" (focus cues hidden). Enabled and styled unless a word says not.
ButtonState StateOf(const std::string& words) {
    ButtonState state;
    state.themed = true;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        if (word == "pressing") state.userPressing = true;
        else if (word == "over") state.mouseOver = true;
        else if (word == "focus") state.focused = true;
        else if (word == "disabled") state.enabled = false;
        else if (word == "greyed") state.greyed = true;
        else if (word == "down") state.down = true;
        else if (word == "classic") state.themed = false;
        else if (word == "nocues") state.hideFocus = true;
        else FAIL("unknown word in a case: " << word);
    }
    return state;
}

constexpr bool kShifted = true;
constexpr bool kDisabledCaption = true;
constexpr bool kFocusRect = true;
constexpr bool no = false;

}  // namespace

TEST_CASE("a picture button's frame, picture, offset, caption and focus cue follow its state and flags") {
    struct Case {
        const char* state;
        ButtonLook look;
    };
    const Case cases[] = {
        // normal: colour, grey only when greyed
        {"", {FrameLook::Normal, PictureLook::Colour, no, no, no}},
        {"greyed", {FrameLook::Normal, PictureLook::Grey, no, no, no}},
        // hot (mouse over or focus): colour even when greyed
        {"over", {FrameLook::Hot, PictureLook::Colour, no, no, no}},
        {"over greyed", {FrameLook::Hot, PictureLook::Colour, no, no, no}},
        {"focus greyed", {FrameLook::Default, PictureLook::Colour, no, no, kFocusRect}},
        {"focus greyed nocues", {FrameLook::Default, PictureLook::Colour, no, no, no}},
        {"over focus greyed", {FrameLook::Hot, PictureLook::Colour, no, no, kFocusRect}},
        // pressed by the user: pressed frame, content shifted
        {"pressing over focus greyed", {FrameLook::Pressed, PictureLook::Colour, kShifted, no, kFocusRect}},
        {"pressing focus", {FrameLook::Pressed, PictureLook::Colour, kShifted, no, kFocusRect}},
        // down flag: content shifted and in colour, the frame as if not down
        {"down", {FrameLook::Normal, PictureLook::Colour, kShifted, no, no}},
        {"down greyed", {FrameLook::Normal, PictureLook::Colour, kShifted, no, no}},
        {"down greyed over", {FrameLook::Hot, PictureLook::Colour, kShifted, no, no}},
        {"down focus", {FrameLook::Default, PictureLook::Colour, kShifted, no, kFocusRect}},
        {"down pressing over focus", {FrameLook::Pressed, PictureLook::Colour, kShifted, no, kFocusRect}},
        // disabled: half opacity, grey if greyed; down keeps full colour
        {"disabled", {FrameLook::Disabled, PictureLook::HalfColour, no, kDisabledCaption, no}},
        {"disabled greyed", {FrameLook::Disabled, PictureLook::HalfGrey, no, kDisabledCaption, no}},
        {"disabled down greyed", {FrameLook::Disabled, PictureLook::Colour, kShifted, kDisabledCaption, no}},
        {"disabled down", {FrameLook::Disabled, PictureLook::Colour, kShifted, kDisabledCaption, no}},
        // a mouse or focus left over from before it was disabled does not count
        {"disabled greyed over focus", {FrameLook::Disabled, PictureLook::HalfGrey, no, kDisabledCaption, no}},
        // classic: the mouse alone changes nothing, focus still does
        {"classic greyed", {FrameLook::Normal, PictureLook::Grey, no, no, no}},
        {"classic over greyed", {FrameLook::Normal, PictureLook::Grey, no, no, no}},
        {"classic focus greyed", {FrameLook::Default, PictureLook::Colour, no, no, kFocusRect}},
        {"classic pressing over focus greyed", {FrameLook::Pressed, PictureLook::Colour, kShifted, no, kFocusRect}},
        {"classic down greyed over", {FrameLook::Normal, PictureLook::Colour, kShifted, no, no}},
        {"classic disabled greyed", {FrameLook::Disabled, PictureLook::HalfGrey, no, kDisabledCaption, no}},
        {"classic disabled down", {FrameLook::Disabled, PictureLook::Colour, kShifted, kDisabledCaption, no}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.state);
        const ButtonLook look = gui::LookOf(StateOf(c.state));
        CHECK(look.frame == c.look.frame);
        CHECK(look.picture == c.look.picture);
        CHECK(look.shifted == c.look.shifted);
        CHECK(look.captionDisabled == c.look.captionDisabled);
        CHECK(look.focusRect == c.look.focusRect);
    }
}

TEST_CASE("picture and caption are centred together in the button, the gap between them") {
    struct Case {
        RECT client;
        SIZE picture, caption;
        int gap;
        RECT pictureAt, captionAt;
    };
    const Case cases[] = {
        // 89 x 89 at 96 dpi, one line of 13 pixels
        {{0, 0, 89, 89}, {64, 64}, {81, 13}, 4, {12, 4, 76, 68}, {4, 72, 85, 85}},
        // the same at 144 dpi
        {{0, 0, 134, 134}, {96, 96}, {126, 16}, 6, {19, 8, 115, 104}, {4, 110, 130, 126}},
        // no caption: the picture alone in the middle
        {{0, 0, 89, 89}, {64, 64}, {81, 0}, 0, {12, 12, 76, 76}, {4, 76, 85, 76}},
        // two lines that do not fit: still centred, overflowing at both ends
        {{0, 0, 89, 89}, {64, 64}, {83, 26}, 4, {12, -2, 76, 62}, {3, 66, 86, 92}},
        // a client area not at the origin
        {{10, 20, 99, 109}, {64, 64}, {81, 13}, 4, {22, 24, 86, 88}, {14, 92, 95, 105}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.client.right - c.client.left);
        CAPTURE(c.caption.cy);
        const gui::ButtonLayout layout = gui::LayoutOf(c.client, c.picture, c.caption, c.gap);
        CHECK(EqualRect(&layout.picture, &c.pictureAt));
        CHECK(EqualRect(&layout.caption, &c.captionAt));
    }
}

TEST_CASE("pictures are premultiplied, and their grey is the average of the straight colour, opacity kept") {
    struct Case {
        gui::Pixel straight, colour, grey;
    };
    const Case cases[] = {
        {0xFF1E3C5A, 0xFF1E3C5A, 0xFF3C3C3C},  // opaque: colour as is; grey (30+60+90)/3 = 60
        {0xFFFF0000, 0xFFFF0000, 0xFF555555},  // pure red: grey 85
        {0x80FFFF00, 0x80808000, 0x80555555},  // half opaque: 255*128/255 = 128; grey 170 -> 85
        {0x40C86432, 0x4032190D, 0x401D1D1D},  // a quarter: 200,100,50 -> 50,25,13; grey 117 -> 29
        {0x00FFFFFF, 0x00000000, 0x00000000},  // transparent: nothing left
        {0xFF010102, 0xFF010102, 0xFF010101},  // the average rounds to the nearest: 4/3 -> 1
        {0xFF010202, 0xFF010202, 0xFF020202},  // 5/3 -> 2
    };
    for (const Case& c : cases) {
        CAPTURE(c.straight);
        CHECK(gui::Premultiplied(c.straight) == c.colour);
        CHECK(gui::PremultipliedGrey(c.straight) == c.grey);
    }
}
