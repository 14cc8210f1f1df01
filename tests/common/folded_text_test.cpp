#include <gtest/gtest.h>

#include "common/folded_text.h"

namespace {

using krugovik::foldToCodePage;

struct FoldCase {
    const char *label;
    const char *typed;
    const char *text;     // what the base can hold
    const char *replaced; // "from>to" pairs, space-separated
    const char *refused;  // characters left out, space-separated
};

std::string joinReplaced(const krugovik::FoldedText &fold)
{
    std::string out;
    for (const auto &[from, to] : fold.replaced)
        out += (out.empty() ? "" : " ") + from + ">" + to;
    return out;
}

std::string joinRefused(const krugovik::FoldedText &fold)
{
    std::string out;
    for (const std::string &c : fold.refused)
        out += (out.empty() ? "" : " ") + c;
    return out;
}

class FoldTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldTest, FoldsOnlyWhatTheCodePageLacks)
{
    const FoldCase &c = GetParam();
    const krugovik::FoldedText fold = foldToCodePage(c.typed);
    EXPECT_EQ(fold.text, c.text);
    EXPECT_EQ(joinReplaced(fold), c.replaced);
    EXPECT_EQ(joinRefused(fold), c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FoldTest,
    testing::Values(FoldCase{"Turkish", "Öztürk Ömer", "Ozturk Omer", "Ö>O ü>u Ö>O", ""},
                    FoldCase{"CedillaAndBreve", "Şahin Doğan", "Sahin Dogan", "Ş>S ğ>g", ""},
                    FoldCase{"CyrillicKept", "Йорданов Ёж й ё ЙЁ", "Йорданов Ёж й ё ЙЁ", "", ""},
                    FoldCase{"UkrainianAndBelarusianKept", "Їжак Ґава Ўладзь", "Їжак Ґава Ўладзь",
                             "", ""},
                    FoldCase{"StrokeLetters", "Łukasz Øst", "Lukasz Ost", "Ł>L Ø>O", ""},
                    FoldCase{"SharpSGrows", "Weiß", "Weiss", "ß>ss", ""},
                    FoldCase{"DecomposedDiaeresis", "Zo\u0308e", "Zoe", "", "\u0308"},
                    FoldCase{"ChineseRefused", "Ли 中文", "Ли ", "", "中 文"},
                    FoldCase{"EmojiRefused", "Пётр 😀", "Пётр ", "", "😀"},
                    FoldCase{"PunctuationOfTheCodePageKept", "«Ан-Ли» №1", "«Ан-Ли» №1", "", ""}),
    [](const testing::TestParamInfo<FoldCase> &info) { return std::string(info.param.label); });

} // namespace
