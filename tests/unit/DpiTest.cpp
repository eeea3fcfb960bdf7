#include "gui/Dpi.h"

#include <doctest.h>

TEST_CASE("lengths laid out at 96 dpi scale in proportion, rounded to the nearest pixel") {
    struct Case {
        int pixels, dpi, scaled;
    };
    const Case cases[] = {
        {417, 96, 417}, {417, 120, 521}, {417, 144, 626}, {473, 120, 591}, {473, 144, 710},
        {89, 120, 111}, {89, 144, 134},  {13, 120, 16},   {25, 144, 38},   {0, 144, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.pixels);
        CAPTURE(c.dpi);
        CHECK(gui::Scale(c.pixels, c.dpi) == c.scaled);
    }
}

TEST_CASE("an 8-point font is 11 pixels high at 96 dpi and grows with the dpi") {
    CHECK(gui::FontHeight(8, 96) == -11);
    CHECK(gui::FontHeight(8, 120) == -13);
    CHECK(gui::FontHeight(8, 144) == -16);
}
