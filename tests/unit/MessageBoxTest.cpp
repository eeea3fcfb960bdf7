#include "gui/MessageBox.h"

#include <doctest.h>

TEST_CASE("an error message gets a full stop only after a character above the full stop") {
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"Resource 3 not found", L"Resource 3 not found."},
        {L"Hibakód 42", L"Hibakód 42."},
        {L"Kérdés?", L"Kérdés?."},
        {L"Mappa:", L"Mappa:."},
        {L"Ékezetes ő", L"Ékezetes ő."},
        {L"Already ends.", L"Already ends."},
        {L"Vége!", L"Vége!"},
        {L"(zárójel)", L"(zárójel)"},
        {L"Invalid data type for 'ProductName'", L"Invalid data type for 'ProductName'"},
        {L"Cannot create file \"C:\\x\"", L"Cannot create file \"C:\\x\""},
        {L"ends in a comma,", L"ends in a comma,"},
        {L"ends in a hyphen-", L"ends in a hyphen-"},
        {L"ends in a slash/", L"ends in a slash/."},
        {L"", L""},
    };
    for (const Case& c : cases) {
        CAPTURE(c.message);
        CHECK(gui::WithFullStop(c.message) == c.shown);
    }
}
