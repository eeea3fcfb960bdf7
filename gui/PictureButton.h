// A push button with a picture above its caption. It stays a real BUTTON
// (BS_OWNERDRAW), so clicks, the space bar, focus, BM_CLICK and WM_GETTEXT
// work as on any button; this class subclasses it and draws it when the
// parent forwards WM_DRAWITEM. BM_GETCHECK answers BST_CHECKED while the
// button is down, and so does BM_GETSTATE among its flags; the registered
// message "PictureButtonGreyed" answers 1 while it is greyed. So a screen
// reader or a test can read the mark.
#pragma once

#include "gui/Picture.h"
#include "gui/SubclassedWindow.h"
#include "gui/Theme.h"

namespace gui {

// What the button is doing and what it has been told.
struct ButtonState {
    bool userPressing = false;  // mouse button or space bar held on it
    bool mouseOver = false;
    bool focused = false;
    bool enabled = true;
    bool greyed = false;
    bool down = false;
    bool themed = false;     // visual styles draw the frame
    bool hideFocus = false;  // the window hides focus cues until the keyboard is used
};

// The frame's look. Themed these are the push button's styled states;
// classic: Normal and Disabled raised, Default raised in a dark outline,
// Pressed flat with a shadow-coloured border in the dark outline; Hot does
// not occur.
enum class FrameLook { Normal, Hot, Pressed, Disabled, Default };

enum class PictureLook { Colour, Grey, HalfColour, HalfGrey };

struct ButtonLook {
    FrameLook frame = FrameLook::Normal;
    PictureLook picture = PictureLook::Colour;
    bool shifted = false;  // picture and caption one pixel right and down
    bool captionDisabled = false;
    bool focusRect = false;
};

ButtonLook LookOf(const ButtonState& state);

// Where the picture and the caption go: the two centred together in the
// client area, gap apart; the caption box as wide as the width it was
// measured for. Content taller than the button overflows it equally at the
// top and the bottom.
struct ButtonLayout {
    RECT picture;
    RECT caption;
};
ButtonLayout LayoutOf(const RECT& client, SIZE picture, SIZE caption, int gap);

class PictureButton : public SubclassedWindow {
public:
    // Takes over an existing BS_OWNERDRAW button; the picture is drawn at its
    // 96-dpi size scaled to dpi.
    PictureButton(HWND button, const Picture& picture, int dpi);

    void SetGreyed(bool greyed);
    void SetDown(bool down);
    bool Down() const { return down_; }

    void Draw(const DRAWITEMSTRUCT& item);

    // The object behind a button window, or nullptr if it is not one.
    static PictureButton* FromHandle(HWND window);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw() const;
    void TrackMouse(LPARAM position);
    void SetMouseOver(bool over);
    void Paint(HDC dc, const RECT& client, const ButtonLook& look) const;
    void PaintFrame(HDC dc, const RECT& client, FrameLook frame) const;
    RECT ContentRect(HDC dc, const RECT& client, FrameLook frame) const;

    Picture picture_;
    int dpi_;
    Theme theme_;
    bool greyed_ = false;
    bool down_ = false;
    bool mouseOver_ = false;
};

}  // namespace gui
