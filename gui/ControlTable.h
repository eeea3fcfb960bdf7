// A row of a form's control table: what the form needs of one control to
// make it, without the binding to the form's fields and handlers.
#pragma once

#include <windows.h>

namespace gui {

enum class ControlKind { Label, SpeedButton, GroupBox, Memo, PictureButton, CheckBox, Edit, DirectoryList, DriveCombo };

// Geometry in pixels at 96 dpi.
struct Geometry {
    int left, top, width, height;
};

enum ControlOption : unsigned {
    kBold = 1u << 0,            // the bold variant of the form's font
    kWidthFollowsText = 1u << 1,
    kCentred = 1u << 2,         // text centred horizontally
    kVerticallyCentred = 1u << 3,
    kChecked = 1u << 4,
    kTransparent = 1u << 5,
    kLiteralText = 1u << 6,     // "&" is shown, not taken as an accelerator mark
};

constexpr int kNoTabStop = -1;

struct ControlDescription {
    const wchar_t* name;
    ControlKind kind;
    int id;
    const wchar_t* container;  // a group box the geometry is relative to, or nullptr
    Geometry geometry;
    const wchar_t* text;
    unsigned options;
    int tabOrder;  // kNoTabStop for controls that never take the focus
    int picture;   // resource of a picture button's picture
    // A speed button's access key: the letter of its caption that Alt
    // presses, or 0. Unique in the form, also among the "&" marks of the
    // other captions.
    wchar_t accessKey;
};

}  // namespace gui
