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

// Made by Control and named where each field is set, in a table's row:
//   Control(L"btnExit", ControlKind::SpeedButton, idBtnExit).At(323, 430).Size(75, 25).Text(L"Kilépés")
// A field left out keeps its default: no container, no text, no options,
// no tab stop, no picture, no access key.
struct ControlDescription {
    const wchar_t* name;
    ControlKind kind;
    int id;
    const wchar_t* container = nullptr;  // a group box the geometry is relative to
    Geometry geometry{};
    const wchar_t* text = L"";
    unsigned options = 0;
    int tabOrder = kNoTabStop;  // kNoTabStop for controls that never take the focus
    int picture = 0;            // resource of a picture button's picture
    // A speed button's access key: the letter of its caption that Alt
    // presses, or 0. Unique in the form, also among the "&" marks of the
    // other captions.
    wchar_t accessKey = 0;

    constexpr ControlDescription(const wchar_t* name, ControlKind kind, int id) : name(name), kind(kind), id(id) {}

    constexpr ControlDescription In(const wchar_t* groupBox) const {
        return With(&ControlDescription::container, groupBox);
    }
    constexpr ControlDescription At(int left, int top) const {
        ControlDescription changed = *this;
        changed.geometry.left = left;
        changed.geometry.top = top;
        return changed;
    }
    constexpr ControlDescription Size(int width, int height) const {
        ControlDescription changed = *this;
        changed.geometry.width = width;
        changed.geometry.height = height;
        return changed;
    }
    constexpr ControlDescription Text(const wchar_t* caption) const { return With(&ControlDescription::text, caption); }
    constexpr ControlDescription Options(unsigned set) const { return With(&ControlDescription::options, set); }
    constexpr ControlDescription Tab(int order) const { return With(&ControlDescription::tabOrder, order); }
    constexpr ControlDescription Picture(int resource) const { return With(&ControlDescription::picture, resource); }
    constexpr ControlDescription AccessKey(wchar_t key) const { return With(&ControlDescription::accessKey, key); }

private:
    template <typename Field, typename Value>
    constexpr ControlDescription With(Field ControlDescription::*field, Value value) const {
        ControlDescription changed = *this;
        changed.*field = value;
        return changed;
    }
};

constexpr ControlDescription Control(const wchar_t* name, ControlKind kind, int id) { return {name, kind, id}; }

}  // namespace gui
