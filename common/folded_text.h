#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krugovik {

// Text made to fit Windows-1251, with an account of every character that was changed.
struct FoldedText {
    // One character the code page lacks and what took its place (UTF-8 both).
    struct Replacement {
        std::string from;
        std::string to;
    };
    std::string text;                  // UTF-8, every character storable in the code page
    std::vector<Replacement> replaced; // letters given without their diacritics
    std::vector<std::string> refused;  // characters with no letter of the code page at all
};

// Characters the code page holds, Cyrillic among them, stay as they are; any other letter
// loses its diacritics (Ö → O, ş → s); what still does not fit is left out and named.
FoldedText foldToCodePage(std::string_view utf8);

} // namespace krugovik
