// Reading FIDE's TXT list and a federation's CSV line by line, the search key and the
// identities beside the base.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/list_readers.h"
#include "base/player_identity.h"
#include "base/player_record.h"

using namespace krugovik;

namespace {

std::vector<std::string> fixtureLines(const std::string &name)
{
    std::ifstream in(std::string(KRUGOVIK_LISTS_DIR) + "/" + name, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

namespace krugovik {
void PrintTo(const ListPlayer &p, std::ostream *out)
{
    *out << p.fideId << " " << p.name << " " << p.federation << " " << (p.sex ? p.sex : '-') << " "
         << p.title << " " << p.rating << " " << p.birthYear << " K" << p.k;
}
} // namespace krugovik

TEST(FideTxtList, ColumnsFoundFromTheHeaderReadEveryTrap)
{
    const std::vector<std::string> lines = fixtureLines("players_list_foa.txt");
    ASSERT_GT(lines.size(), 10u);
    const std::optional<FideTxtLayout> layout = FideTxtLayout::fromHeader(lines[0]);
    ASSERT_TRUE(layout);

    struct Expected {
        std::size_t line; // from 1, as the director is told
        std::int64_t fideId;
        std::string name;
        std::string federation;
        char sex;
        std::string title;
        int rating;
        int birthYear;
        int k; // the standard rating's K, "SK"
    };
    const std::vector<Expected> expected = {
        {2, 4100018, "Karpov, Anatoly", "RUS", 'M', "GM", 2617, 1951, 10},
        // Several titles: the open one wins, the arbiter's titles do not count.
        {3, 14109603, "Goryachkina, Aleksandra", "RUS", 'F', "GM", 2553, 1998, 10},
        {4, 4168119, "Ivanov, Ivan", "RUS", 'M', "", 1854, 2008, 20},
        {5, 24101605, "Zhukov, Dmitry", "RUS", 'M', "IM", 2402, 1994, 10},
        // A title the report does not know is left out, the line is kept.
        {6, 34187765, "Shcherbakova, Yekaterina", "RUS", 'F', "", 1650, 2011, 40},
        {7, 1503014, "Carlsen, Magnus", "NOR", 'M', "GM", 2839, 1990, 10},
        // Longer than the base's 24 characters: the list keeps the whole name.
        {10, 44112233, "Rahmanov-Abdusattorov-Khodjaev, Nodirbekjon Ali", "UZB", 'M', "CM", 1987,
         2012, 20},
        // No rating, "0000" for the year, an unknown "NM".
        {12, 44112235, "Lee, Noname", "KOR", 'M', "", 0, 0, 0},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.line);
        const std::optional<ListPlayer> player = layout->read(lines[e.line - 1]);
        ASSERT_TRUE(player);
        EXPECT_EQ(player->fideId, e.fideId);
        EXPECT_EQ(player->name, e.name);
        EXPECT_EQ(player->federation, e.federation);
        EXPECT_EQ(player->sex, e.sex);
        EXPECT_EQ(player->title, e.title);
        EXPECT_EQ(player->rating, e.rating);
        EXPECT_EQ(player->birthYear, e.birthYear);
        EXPECT_EQ(player->k, e.k);
    }
    // An ID with a letter, a line cut after the ID, a rating with a letter.
    for (std::size_t line : {8u, 9u, 11u})
        EXPECT_FALSE(layout->read(lines[line - 1])) << "line " << line;
}

TEST(FideTxtList, ColumnsMovedOrRenamedAreStillFound)
{
    // The standard list names its rating after the month and has no FOA column.
    const std::string header = "ID Number      Name                              Fed Sex Tit  "
                               "WTit OTit           DEC26 Gms  K  B-day Flag";
    const std::optional<FideTxtLayout> layout = FideTxtLayout::fromHeader(header);
    ASSERT_TRUE(layout);
    std::string line(header.size(), ' ');
    const auto put = [&](const std::string &heading, const std::string &value) {
        line.replace(header.find(heading), value.size(), value);
    };
    put("ID Number", "4100018");
    put("Name", "Karpov, Anatoly");
    put("Fed", "RUS");
    put("Sex", "M");
    put("Tit", "GM");
    put("DEC26", "2617");
    put("K  B", "10");
    put("B-day", "1951");
    const std::optional<ListPlayer> player = layout->read(line);
    ASSERT_TRUE(player);
    EXPECT_EQ(player->rating, 2617);
    EXPECT_EQ(player->birthYear, 1951);
    EXPECT_EQ(player->title, "GM");
    EXPECT_EQ(player->k, 10);
}

// FIDE's TXT layouts from 2011 to today, each with lines as FIDE wrote them.
TEST(FideTxtList, EveryLayoutSince2011ReadsRight)
{
    struct Layout {
        const char *what;
        std::string header;
        std::vector<std::pair<std::string, ListPlayer>> lines;
    };
    const std::string legacy2011 =
        "ID number Name                              TitlFed  Mar11 GamesBorn  Flag";
    const std::vector<std::pair<std::string, ListPlayer>> lines2011 = {
        // IDs stand right-aligned; the titles are the old letters; the flag tells a woman.
        {" 4158814  Andreikin, Dmitry                 g   RUS  2686    9  1990  ",
         {"Andreikin, Dmitry", 4158814, "", "RUS", "GM", 'M', 1990, 2686}},
        {"10206612  A K M, Sourab                         BAN  1714    0        ",
         {"A K M, Sourab", 10206612, "", "BAN", "", 'M', 0, 1714}},
        {" 5080444  A, Sohita                             IND  1447    0  1995  wi",
         {"A, Sohita", 5080444, "", "IND", "", 'F', 1995, 1447}},
        {" 4147103  Gunina, Valentina                 wg  RUS  2514   12  1989  w",
         {"Gunina, Valentina", 4147103, "", "RUS", "WGM", 'F', 1989, 2514}},
    };
    const std::vector<Layout> layouts = {
        {"standard list, March 2011", legacy2011, lines2011},
        {"standard list, 2009, month in small letters",
         "ID number Name                              TitlFed  sep09 GamesBorn  Flag", lines2011},
        {"combined list, 2012 to 2015",
         "ID Number      Name                                                         Fed Sex Tit  "
         "WTit OTit           SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag",
         {{"10207538       A E M, Doshtagir                                             BAN M      "
           "                      1840  0   40 1836  0   20 1860  0   20 1974      ",
           {"A E M, Doshtagir", 10207538, "", "BAN", "", 'M', 1974, 1840, 40}},
          {"5031605        A, Akshaya                                                   IND F      "
           "                      2014  0   20                           1994  wi",
           {"A, Akshaya", 5031605, "", "IND", "", 'F', 1994, 2014, 20}},
          {"1701991        Aaberg, Anton                                                SWE M   IM "
           "                      2393  0   10                           1972",
           {"Aaberg, Anton", 1701991, "", "SWE", "IM", 'M', 1972, 2393, 10}}}},
        {"combined list with the online arena's titles, 2016 to 2024",
         "ID Number      Name                                                         Fed Sex Tit  "
         "WTit OTit           FOA SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag",
         {{"1503014        Carlsen, Magnus                                              NOR M   GM "
           "                          2823  0   10 2801  12  10 2860  0   10 1990      ",
           {"Carlsen, Magnus", 1503014, "", "NOR", "GM", 'M', 1990, 2823, 10}},
          // FIDE's 0 for an unknown year.
          {"7704658        Ramdass, Kevin                                               TTO M      "
           "                          1550  0   40                           0     i",
           {"Ramdass, Kevin", 7704658, "", "TTO", "", 'M', 0, 1550, 40}}}},
        // The standard, rapid and blitz lists of one kind each: the rating under the month.
        {"standard list, January 2023",
         "ID Number      Name                                                         Fed Sex Tit  "
         "WTit OTit           FOA JAN23 Gms K  B-day Flag",
         {{"25121731       A C J John                                                   IND M      "
           "                          1063  0   40 1987  i",
           {"A C J John", 25121731, "", "IND", "", 'M', 1987, 1063, 40}}}},
        {"rapid list, September 2024",
         "ID Number      Name                                                         Fed Sex Tit  "
         "WTit OTit           FOA SEP24 Gms K  B-day Flag",
         {{"14109603       Goryachkina, Aleksandra                                      RUS F   GM "
           "  WGM                     2467  9   20 1998  w",
           {"Goryachkina, Aleksandra", 14109603, "", "RUS", "GM", 'F', 1998, 2467, 20}}}},
        {"blitz list, December 2019",
         "ID Number      Name                                                         Fed Sex Tit  "
         "WTit OTit           FOA DEC19 Gms K  B-day Flag",
         {{"24101605       Zhukov, Dmitry                                               RUS M   IM "
           "                          2402  0   20 1994",
           {"Zhukov, Dmitry", 24101605, "", "RUS", "IM", 'M', 1994, 2402, 20}}}},
    };
    for (const Layout &layout : layouts) {
        SCOPED_TRACE(layout.what);
        std::vector<std::string> missing;
        const std::optional<FideTxtLayout> read =
            FideTxtLayout::fromHeader(layout.header, &missing);
        ASSERT_TRUE(read);
        EXPECT_TRUE(missing.empty());
        for (const auto &[line, e] : layout.lines) {
            SCOPED_TRACE(e.name);
            EXPECT_EQ(read->read(line), e);
        }
    }
}

TEST(FideTxtList, AHeaderNotUnderstoodIsRefusedNamingWhatIsMissing)
{
    struct Case {
        const char *what;
        std::string header;
        std::vector<std::string> missing;
    };
    const std::vector<Case> cases = {
        {"only the ID and the name", "ID Number      Name", {"Fed", "Tit", "SRtng", "B-day"}},
        {"two headings run together that no list has",
         "ID number Name                              TitlFedX Mar11 GamesBorn  Flag",
         {"Fed", "Tit"}},
        {"no rating column", "ID Number Name Fed Sex Tit WTit B-day", {"SRtng"}},
        {"a month that is none", "ID Number Name Fed Sex Tit XYZ11 B-day", {"SRtng"}},
        {"no birth year", "ID Number Name Fed Sex Tit SRtng", {"B-day"}},
        {"nothing of a list",
         "Name;Rating;Fed",
         {"ID Number", "Name", "Fed", "Tit", "SRtng", "B-day"}},
        {"empty", "", {"ID Number", "Name", "Fed", "Tit", "SRtng", "B-day"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> missing;
        EXPECT_FALSE(FideTxtLayout::fromHeader(c.header, &missing));
        EXPECT_EQ(missing, c.missing);
    }
}

TEST(CsvList, CellsSeparatorAndColumnsFromTheHeader)
{
    const std::vector<std::string> lines = fixtureLines("federation.csv");
    ASSERT_EQ(lines.size(), 7u);
    const char separator = guessCsvSeparator(lines[0]);
    EXPECT_EQ(separator, ';');
    const CsvColumns columns = guessCsvColumns(splitCsvLine(lines[0], separator), separator);
    EXPECT_EQ(columns[CsvField::Name], 0);
    EXPECT_EQ(columns[CsvField::Rating], 1);
    EXPECT_EQ(columns[CsvField::NationalId], 2);
    EXPECT_EQ(columns[CsvField::FideId], 3);
    EXPECT_EQ(columns[CsvField::Sex], 4);
    EXPECT_EQ(columns[CsvField::BirthYear], 5);
    EXPECT_EQ(columns[CsvField::Title], 6);
    EXPECT_EQ(columns[CsvField::Federation], -1);

    const auto player = [&](std::size_t line) {
        return readCsvPlayer(splitCsvLine(lines[line - 1], separator), columns);
    };
    ASSERT_TRUE(player(2));
    EXPECT_EQ(player(2)->name, "Петров, Пётр"); // a quoted separator stays in the name
    EXPECT_EQ(player(2)->rating, 1720);
    EXPECT_EQ(player(2)->nationalId, "12345");
    EXPECT_EQ(player(2)->sex, 'M');
    ASSERT_TRUE(player(3));
    EXPECT_EQ(player(3)->fideId, 34100001);
    EXPECT_EQ(player(3)->birthYear, 2010); // the year of a date
    EXPECT_EQ(player(3)->sex, 'F');
    EXPECT_EQ(player(3)->title, "WFM");
    ASSERT_TRUE(player(4));
    EXPECT_EQ(player(4)->title, ""); // «3 разряд» is no title of the report
    EXPECT_FALSE(player(5));         // a rating of letters
    EXPECT_FALSE(player(6));         // no name
    ASSERT_TRUE(player(7));
    EXPECT_EQ(player(7)->name, "Иванов; Иван");
}

TEST(CsvList, QuotesAndSeparators)
{
    EXPECT_EQ(splitCsvLine("a,\"b,c\",\"d\"\"e\"", ','),
              (std::vector<std::string>{"a", "b,c", "d\"e"}));
    EXPECT_EQ(splitCsvLine("a\tb\r", '\t'), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(guessCsvSeparator("name,rating,id"), ',');
    EXPECT_EQ(guessCsvSeparator("name\trating\tid"), '\t');
    EXPECT_EQ(guessCsvSeparator("\"a;b\",c,d"), ',');
}

TEST(ListSearchKey, LatinAndCyrillicSpellingsMeet)
{
    struct Case {
        const char *list;  // as a list spells the name
        const char *typed; // as the director types it
    };
    const std::vector<Case> cases = {
        {"Ivanov, Ivan", "Иванов"},
        {"Ivanov, Ivan", "иванов иван"},
        {"Zhukov, Dmitry", "Жуков Дмитрий"},
        {"Shcherbakova, Yekaterina", "Щербакова Екатерина"},
        {"Goryachkina, Aleksandra", "Горячкина Александра"},
        {"Alexeev, Sergey", "Алексеев Сергей"},
        {"Tsoi, Yulia", "Цой Юлия"},
        {"Khalifman, Alexander", "Халифман"},
        {"Fyodorov, Pyotr", "Фёдоров"},
        {"Семёнов", "семенов"},
        {"Ёлкин", "ЕЛКИН"},
        {"Müller, Jörg", "muller"},
    };
    for (const Case &c : cases) {
        const std::string listKey = listSearchKey(c.list);
        const std::string typedKey = listSearchKey(c.typed);
        EXPECT_FALSE(typedKey.empty()) << c.typed;
        EXPECT_EQ(listKey.rfind(typedKey, 0), 0u)
            << c.typed << " -> " << typedKey << " does not begin " << c.list << " -> " << listKey;
    }
    EXPECT_EQ(listSearchKey("Ivanov,  Ivan "), "ivanov ivan");
    EXPECT_NE(listSearchKey("Petrov"), listSearchKey("Ivanov"));
    EXPECT_EQ(listSearchKey(" ,. "), "");
}

TEST(ListText, Latin1BecomesUtf8)
{
    EXPECT_EQ(asUtf8("M\xfcller"), "Müller");
    EXPECT_EQ(asUtf8("Müller"), "Müller");
    EXPECT_EQ(knownTitle("wgm, IA"), "WGM");
    EXPECT_EQ(knownTitle("AGM NM"), "");
}

TEST(IdentityTable, WrittenAndReadBackWithTheirNames)
{
    NamedIdentities table;
    table[1] = {"Karpov, Anatoly", {4100018, "", "RUS", "GM", 'M', 1951, 2617, {}, 0}};
    table[7] = {"Щербакова Алина", {0, "12345", "RUS", "", 'F', 2010, 0, {}, 0}};
    table[9] = {"Nobody", {}}; // nothing to keep: no line
    const std::string bytes = writeIdentityTable(table);
    EXPECT_EQ(bytes, "KRUGOVIK-ID 2\n"
                     "1\tKarpov, Anatoly\t4100018\t\tRUS\tGM\tM\t1951\t2617\n"
                     "7\tЩербакова Алина\t\t12345\tRUS\t\tF\t2010\t\n");
    table.erase(9);
    bool unnamed = true;
    EXPECT_EQ(readIdentityTable(bytes, &unnamed), table);
    EXPECT_FALSE(unnamed);
    // A damaged line, or one without a name, is left out, the others stay; another format
    // gives nothing.
    EXPECT_EQ(readIdentityTable("KRUGOVIK-ID 2\nx\t1\n3\t\t1\t\t\t\t\t\t\n"
                                "7\tA\t\t12345\tRUS\t\tF\t2010\t\n")
                  .size(),
              1u);
    EXPECT_TRUE(
        readIdentityTable("something else\n1\tA\t4100018\t\tRUS\tGM\tM\t1951\t2617\n").empty());
    // The first format, without names, still reads.
    const NamedIdentities first =
        readIdentityTable("KRUGOVIK-ID 1\n2\t4100018\t\tRUS\tGM\tM\t1951\t2617\n", &unnamed);
    EXPECT_TRUE(unnamed);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first.at(2).name, "");
    EXPECT_EQ(first.at(2).identity.fideId, 4100018);
    // Tabs in a field cannot break the line.
    NamedIdentities tabbed;
    tabbed[2] = {"A\tB", {0, "12\t34", "", "", 0, 0, 0, {}, 0}};
    EXPECT_EQ(readIdentityTable(writeIdentityTable(tabbed))[2].identity.nationalId, "12 34");
    EXPECT_EQ(readIdentityTable(writeIdentityTable(tabbed))[2].name, "A B");
}

TEST(IdentityTable, AnIdentityBelongsToTheNameItWasMadeFor)
{
    // BASE.DAT as it is now: Петров, Ivanov (where Carlsen stood in a later copy), a blank
    // record.
    std::string base;
    for (const char *name : {"\xcf\xe5\xf2\xf0\xee\xe2", "Ivanov, Ivan", ""})
        base += storeFixedWidth(name, 24) + "1500 ";
    const PlayerIdentity some{1503014, "", "NOR", "GM", 'M', 1990, 2830, {}, 0};
    struct Case {
        const char *what;
        std::int64_t record;
        std::string name; // empty: a file of the first format
        bool belongs;
        std::string namedNow;
    };
    const std::vector<Case> cases = {
        {"the name it was made for", 1, "Петров", true, "Петров"},
        {"another player now", 2, "Carlsen, Magnus", false, ""},
        {"a name in other letters", 2, "ivanov, ivan", false, ""},
        {"a blank record", 3, "Nobody", false, ""},
        {"past the end of the base", 4, "Nobody", false, ""},
        {"first format: taken for the player there", 2, "", true, "Ivanov, Ivan"},
        {"first format, blank record", 3, "", false, ""},
        {"first format, past the end", 9, "", false, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const NamedIdentities belonging = belongingIdentities({{c.record, {c.name, some}}}, base);
        EXPECT_EQ(belonging.count(c.record), c.belongs ? 1u : 0u);
        if (c.belongs) {
            EXPECT_EQ(belonging.at(c.record).name, c.namedNow);
            EXPECT_EQ(identityTable(belonging).at(c.record), some);
        }
    }
    EXPECT_EQ(identityName("Petrov  Petr            "), "Petrov  Petr");
}

TEST(IdentityTable, FromAListTheRatingOnlyWhenFides)
{
    const ListPlayer player{"Ivanov, Ivan", 4168119, "777", "RUS", "IM", 'M', 2008, 1854, 20};
    EXPECT_EQ(identityFromList(player, ListKind::Fide).fideRating, 1854);
    EXPECT_EQ(identityFromList(player, ListKind::Fide).listK, 20);
    EXPECT_EQ(identityFromList(player, ListKind::National).fideRating, 0);
    // A federation's K belongs to its own rating, not to FIDE's.
    EXPECT_EQ(identityFromList(player, ListKind::National).listK, 0);
    EXPECT_EQ(identityFromList(player, ListKind::National).fideId, 4168119);
    EXPECT_EQ(identityFromList(player, ListKind::National).title, "IM");
}

// K is a field after the birth day: an identity without K is written as before, and the
// files written before K still read.
TEST(IdentityFields, KStandsAfterTheBirthDayAndOnlyWhenGiven)
{
    PlayerIdentity karpov{4100018, "", "RUS", "GM", 'M', 1951, 2617, {}, 0};
    struct Case {
        const char *what;
        std::string birthDay;
        int k;
        std::string fields;
    };
    const std::vector<Case> cases = {
        {"neither", "", 0, "4100018\t\tRUS\tGM\tM\t1951\t2617"},
        {"the birth day only", "05/23", 0, "4100018\t\tRUS\tGM\tM\t1951\t2617\t05/23"},
        {"K only: an empty birth day before it", "", 10, "4100018\t\tRUS\tGM\tM\t1951\t2617\t\t10"},
        {"both", "05/23", 40, "4100018\t\tRUS\tGM\tM\t1951\t2617\t05/23\t40"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        karpov.birthDay = c.birthDay;
        karpov.listK = c.k;
        EXPECT_EQ(identityFields(karpov), c.fields);
        PlayerIdentity read;
        ASSERT_TRUE(readIdentityFields(c.fields, read));
        EXPECT_EQ(read, karpov);
    }
    // An empty birth day only makes room for K; a K of nothing or no number is no field.
    PlayerIdentity read;
    for (const char *bad :
         {"4100018\t\tRUS\tGM\tM\t1951\t2617\t", "4100018\t\tRUS\tGM\tM\t1951\t2617\t\t",
          "4100018\t\tRUS\tGM\tM\t1951\t2617\t\t0", "4100018\t\tRUS\tGM\tM\t1951\t2617\t\tK20",
          "4100018\t\tRUS\tGM\tM\t1951\t2617\t05/23\t10\t1"})
        EXPECT_FALSE(readIdentityFields(bad, read)) << bad;
    // Through the file beside the base.
    NamedIdentities table;
    table[3] = {"Karpov, Anatoly", karpov};
    EXPECT_EQ(readIdentityTable(writeIdentityTable(table)), table);
}
