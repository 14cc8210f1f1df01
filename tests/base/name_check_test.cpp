#include <gtest/gtest.h>

#include "base/name_check.h"

using namespace krugovik;

namespace {

struct MismatchCase {
    const char *name;
    std::vector<WriteBackRow> rows;
    std::vector<NameMismatch> expected;
};

class NameMismatches : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(NameMismatches, ListsOnlyRowsWhoseNamesDiffer)
{
    EXPECT_EQ(nameMismatches(GetParam().rows), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    WriteBack, NameMismatches,
    ::testing::Values(
        MismatchCase{"SameNames", {{1, "Иванов Пётр", "Иванов Пётр"}}, {}},
        MismatchCase{
            "BlanksAroundDoNotCount", {{2, "  Иванов Пётр ", "Иванов Пётр             "}}, {}},
        MismatchCase{"BlanksInsideCount",
                     {{3, "Иванов  Пётр", "Иванов Пётр"}},
                     {{3, "Иванов  Пётр", "Иванов Пётр"}}},
        MismatchCase{
            "CaseCounts", {{4, "иванов пётр", "Иванов Пётр"}}, {{4, "иванов пётр", "Иванов Пётр"}}},
        MismatchCase{"AnotherPlayer",
                     {{1, "Иванов Пётр", "Иванов Пётр"},
                      {3, " Иванов Пётр", "Алексеев Борис   "},
                      {5, "Сидорова Анна", ""}},
                     {{3, "Иванов Пётр", "Алексеев Борис"}, {5, "Сидорова Анна", ""}}},
        MismatchCase{"NoRows", {}, {}}),
    [](const ::testing::TestParamInfo<MismatchCase> &info) {
        return std::string(info.param.name);
    });

TEST(MismatchQuestion, NamesEachRowOnALineOfItsOwn)
{
    const std::string question =
        mismatchQuestion({{3, "Иванов Пётр", "Алексеев Борис"}, {12, "Ли Ань", ""}});
    EXPECT_EQ(question, "В этих строках таблицы игрок не тот, что в его записи базы:\n\n"
                        "строка 3: в таблице «Иванов Пётр», в базе «Алексеев Борис»\n"
                        "строка 12: в таблице «Ли Ань», в базе «»\n\n"
                        "Записать новые рейтинги и в эти записи базы? При ответе «Нет» "
                        "записываются только строки, в которых имена совпадают.");
}

} // namespace
