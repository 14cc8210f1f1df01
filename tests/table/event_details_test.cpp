// The event's details: their text encoding, their lines in the file's extension, the reader's
// refusals, and the details as a step of the model that survives save and open exactly.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "table/event_details_file.h"
#include "table/round_dates.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

using namespace krugovik;

namespace {

// Four players, every game played: the model a director has after the last round.
Tournament fourPlayers()
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(4);
    for (int i = 1; i <= 4; ++i)
        t.enterPlayer(i, {"Игрок " + std::to_string(i), std::to_string(1500 + 10 * i), false, i});
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 4; ++j)
            t.setResult({0, i, j}, (i + j) % 2 ? GameState::Win : GameState::Draw);
    return t;
}

EventDetails fullDetails()
{
    EventDetails d;
    d.title = "Первенство школы «Ладья» 2026";
    d.place = "Тверь, ДЮСШ № 3";
    d.federation = "RUS";
    d.organiser = "Спорткомитет; 100% участие";
    d.startDate = "2026-12-01";
    d.endDate = "2026-12-07";
    d.roundDates = {"2026-12-01", "", "2026-12-03"};
    d.chiefArbiter = "Петров П. П.";
    d.deputyArbiter = " Сидоров  ";
    d.timeControl = "60 мин + 30 сек";
    d.kind = EventKind::Rapid;
    return d;
}

struct TextCase {
    const char *what;
    std::string text;
    std::string encoded;
};

TEST(EventText, EncodesEveryByteOutsidePrintableAsciiAndReadsItBack)
{
    const TextCase cases[] = {
        {"plain ASCII", "KUBOK-2026", "KUBOK-2026"},
        {"blanks, kept at both ends", " a b ", "%20a%20b%20"},
        {"the escape sign itself", "100%", "100%25"},
        {"Cyrillic as UTF-8", "Ёж", "%D0%81%D0%B6"},
        {"control bytes and DEL", std::string("\t\r\n\x7f", 4), "%09%0D%0A%7F"},
        {"NUL", std::string(1, '\0'), "%00"},
        {"empty", "", ""},
    };
    for (const TextCase &c : cases) {
        EXPECT_EQ(percentEncoded(c.text), c.encoded) << c.what;
        EXPECT_EQ(percentDecoded(c.encoded), c.text) << c.what;
    }
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    const std::string encoded = percentEncoded(everyByte);
    EXPECT_EQ(encoded.find_first_of(" \t\r\n"), std::string::npos);
    for (const char c : encoded)
        EXPECT_TRUE(c > ' ' && c < 0x7f) << int(c);
    EXPECT_EQ(percentDecoded(encoded), everyByte);
}

TEST(EventText, BrokenEscapesAndUnescapedBytesAreRefused)
{
    for (const std::string bad : {"%", "%4", "a%G1", "a%1", "a b", "\xD0\x81", "tab\there"})
        EXPECT_FALSE(percentDecoded(bad).has_value()) << bad;
    // Lower-case hex digits are read, though the writer never makes them.
    EXPECT_EQ(percentDecoded("%d0%81"), "Ё");
}

TEST(EventText, CalendarDatesAndFederationCodes)
{
    for (const char *good : {"2026-12-01", "2024-02-29", "2000-02-29", "1999-12-31"})
        EXPECT_TRUE(isCalendarDate(good)) << good;
    for (const char *bad : {"2026-02-29", "1900-02-29", "2026-13-01", "2026-00-10", "2026-04-31",
                            "2026-1-01", "26-12-01", "2026/12/01", "01.12.2026", "", "2026-12-0a"})
        EXPECT_FALSE(isCalendarDate(bad)) << bad;
    EXPECT_TRUE(isFederationCode("RUS"));
    for (const char *bad : {"rus", "RU", "RUSS", "R1S", "РУС", ""})
        EXPECT_FALSE(isFederationCode(bad)) << bad;
}

TEST(EventLines, OneLinePerFilledFieldInOrder)
{
    EXPECT_TRUE(eventDetailsLines({}).empty());
    const std::vector<std::string> expected = {
        "EVENT TITLE %D0%9F%D0%B5%D1%80%D0%B2%D0%B5%D0%BD%D1%81%D1%82%D0%B2%D0%BE%20%D1%88%D0%BA"
        "%D0%BE%D0%BB%D1%8B%20%C2%AB%D0%9B%D0%B0%D0%B4%D1%8C%D1%8F%C2%BB%202026",
        "EVENT PLACE %D0%A2%D0%B2%D0%B5%D1%80%D1%8C,%20%D0%94%D0%AE%D0%A1%D0%A8%20%E2%84%96%203",
        "EVENT FEDERATION RUS",
        "EVENT ORGANISER "
        "%D0%A1%D0%BF%D0%BE%D1%80%D1%82%D0%BA%D0%BE%D0%BC%D0%B8%D1%82%D0%B5%D1%82;%20100%25%20%D1"
        "%83%D1%87%D0%B0%D1%81%D1%82%D0%B8%D0%B5",
        "EVENT START 2026-12-01",
        "EVENT END 2026-12-07",
        "EVENT ROUND 1 2026-12-01",
        "EVENT ROUND 3 2026-12-03",
        "EVENT ARBITER %D0%9F%D0%B5%D1%82%D1%80%D0%BE%D0%B2%20%D0%9F.%20%D0%9F.",
        "EVENT DEPUTY %20%D0%A1%D0%B8%D0%B4%D0%BE%D1%80%D0%BE%D0%B2%20%20",
        "EVENT TIMECONTROL 60%20%D0%BC%D0%B8%D0%BD%20+%2030%20%D1%81%D0%B5%D0%BA",
        "EVENT KIND RAPID",
    };
    EXPECT_EQ(eventDetailsLines(fullDetails()), expected);
    // A round beyond the limit is left out.
    EXPECT_EQ(eventDetailsLines(fullDetails(), 2).size(), expected.size() - 1);
}

TEST(EventModel, DetailsAreAStepThatSurvivesSaveAndOpenByteForByte)
{
    Tournament t = fourPlayers();
    const std::string plain = t.fileBytes();
    EXPECT_EQ(plain.find("*KRUGOVIK"), std::string::npos);
    const Step step = t.setEvent(fullDetails());
    ASSERT_TRUE(step.changed());
    EXPECT_EQ(step.kind, Step::Kind::Event);
    EXPECT_EQ(t.event(), fullDetails());
    EXPECT_EQ(t.snapshot("T", "").event, fullDetails());
    const std::string bytes = t.fileBytes();
    // The players' part is untouched; the extension holds the details alone.
    ASSERT_EQ(bytes.compare(0, plain.size(), plain), 0);
    const std::string extension = bytes.substr(plain.size());
    EXPECT_TRUE(extension.starts_with("*KRUGOVIK 2\r\nEVENT TITLE "));
    EXPECT_TRUE(extension.ends_with("EVENT KIND RAPID\r\n*END 12\r\n"));

    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.event(), fullDetails());
    EXPECT_EQ(read.fileBytes(), bytes);

    // Taken back, the file is as it was before, byte for byte.
    t.restore(step, step.before);
    EXPECT_TRUE(t.event().empty());
    EXPECT_EQ(t.fileBytes(), plain);
    t.restore(step, step.after);
    EXPECT_EQ(t.fileBytes(), bytes);
    // The same details again are no step.
    EXPECT_FALSE(t.setEvent(fullDetails()).changed());
}

TEST(EventModel, EmptyTrailingRoundDatesAreNoChangeAndDatesBeyondTheRoundsAreNotWritten)
{
    Tournament t = fourPlayers();
    EventDetails d;
    d.roundDates = {"", "", ""};
    EXPECT_FALSE(t.setEvent(d).changed());
    // Four players play three rounds: a fourth date cannot be read back, so it is not written.
    d.roundDates = {"2026-12-01", "2026-12-02", "2026-12-03", "2026-12-04"};
    t.setEvent(d);
    Tournament read;
    read.load(t.fileBytes());
    EXPECT_EQ(read.event().roundDates,
              (std::vector<std::string>{"2026-12-01", "2026-12-02", "2026-12-03"}));
}

TEST(EventModel, DetailsGoAfterCyclesRulesAndWithdrawals)
{
    Tournament t = fourPlayers();
    t.setCycles(2, false);
    t.setTieBreaks(fideRoundRobinTieBreaks());
    t.withdraw(2, 4);
    EventDetails d;
    d.title = "Кубок";
    d.roundDates.assign(6, "2026-01-05");
    t.setEvent(d);
    const std::string bytes = t.fileBytes();
    EXPECT_NE(bytes.find("WITHDRAWN 2 4\r\nEVENT TITLE %D0%9A%D1%83%D0%B1%D0%BE%D0%BA\r\n"
                         "EVENT ROUND 1 2026-01-05\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("EVENT ROUND 6 2026-01-05\r\n*END "), std::string::npos);
    Tournament read;
    read.load(bytes);
    EXPECT_EQ(read.event(), t.event());
    EXPECT_EQ(read.withdrawnAfter(2), 4);
    EXPECT_EQ(read.cycles(), 2);
    EXPECT_EQ(read.fileBytes(), bytes);
}

TEST(RoundDates, NewRoundsGoOnAtTheStepOfTheRoundsBefore)
{
    using Dates = std::vector<std::string>;
    const struct {
        Dates dates;
        int before, after;
        Dates expected;
    } cases[] = {
        // Weekly, across the end of a month and of a year.
        {{"2026-12-01", "2026-12-08", "2026-12-15"},
         3,
         5,
         {"2026-12-01", "2026-12-08", "2026-12-15", "2026-12-22", "2026-12-29"}},
        {{"2026-12-15", "2026-12-22", "2026-12-29"},
         3,
         4,
         {"2026-12-15", "2026-12-22", "2026-12-29", "2027-01-05"}},
        // Daily, over a leap day.
        {{"2028-02-27", "2028-02-28"},
         2,
         4,
         {"2028-02-27", "2028-02-28", "2028-02-29", "2028-03-01"}},
        // A date the director gave to a later round stays.
        {{"2026-12-01", "2026-12-08", "2026-12-15", "", "2027-02-01"},
         3,
         5,
         {"2026-12-01", "2026-12-08", "2026-12-15", "2026-12-22", "2027-02-01"}},
        // No rule to follow: a gap, an uneven step, the same day twice, too few rounds dated.
        {{"2026-12-01", "", "2026-12-15"}, 3, 5, {"2026-12-01", "", "2026-12-15"}},
        {{"2026-12-01", "2026-12-08", "2026-12-16"},
         3,
         5,
         {"2026-12-01", "2026-12-08", "2026-12-16"}},
        {{"2026-12-01", "2026-12-01", "2026-12-01"},
         3,
         5,
         {"2026-12-01", "2026-12-01", "2026-12-01"}},
        {{"2026-12-01", "2026-12-08"}, 3, 5, {"2026-12-01", "2026-12-08"}},
        // Fewer rounds than before: nothing to add.
        {{"2026-12-01", "2026-12-08", "2026-12-15"},
         3,
         2,
         {"2026-12-01", "2026-12-08", "2026-12-15"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundDatesContinued(c.dates, c.before, c.after), c.expected) << c.dates[0];
}

TEST(RoundDates, AnotherCycleOrMorePlayersGetTheirRoundsDatedAndUndoTakesThemBack)
{
    Tournament t = fourPlayers();
    EventDetails d;
    d.roundDates = {"2026-11-07", "2026-11-14", "2026-11-21"};
    t.setEvent(d);
    const Step cycles = t.setCycles(2, true);
    ASSERT_TRUE(cycles.changed());
    EXPECT_EQ(t.event().roundDates,
              (std::vector<std::string>{"2026-11-07", "2026-11-14", "2026-11-21", "2026-11-28",
                                        "2026-12-05", "2026-12-12"}));
    Tournament read;
    read.load(t.fileBytes());
    EXPECT_EQ(read.event(), t.event());
    t.restore(cycles, cycles.before);
    EXPECT_EQ(t.event(), d);
    EXPECT_EQ(t.cycles(), 1);

    // Five players play five rounds.
    ASSERT_TRUE(t.setPlayerCount(5).changed());
    EXPECT_EQ(t.event().roundDates.size(), 5u);
    EXPECT_EQ(t.event().roundDates.back(), "2026-12-05");
}

// The extension of a three-player file, its lines given without the count.
std::string withExtension(const std::vector<std::string> &lines)
{
    std::string file = " 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n0\r\n"
                       "B\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n1\r\n"
                       "C\r\n 3 \r\n1700\r\n 1000 \r\n1\r\n0\r\n*KRUGOVIK 2\r\n";
    for (const std::string &line : lines)
        file += line + "\r\n";
    return file + "*END " + std::to_string(lines.size()) + "\r\n";
}

struct Refusal {
    const char *what;
    std::vector<std::string> lines;
    const char *reason; // a part of the director's reason
};

TEST(EventReader, MalformedLinesAreRefusedWithTheirReason)
{
    const Refusal cases[] = {
        {"an unknown field", {"EVENT COLOUR RED"}, "неизвестное сведение"},
        {"a field twice", {"EVENT TITLE A", "EVENT TITLE B"}, "не на своём месте"},
        {"fields out of order", {"EVENT PLACE A", "EVENT TITLE B"}, "не на своём месте"},
        {"an empty value", {"EVENT TITLE"}, "неверное значение"},
        {"a blank inside a text", {"EVENT TITLE A B"}, "неверное значение"},
        {"a broken escape", {"EVENT TITLE A%2"}, "неверное значение"},
        {"bytes that are no UTF-8", {"EVENT TITLE %D0"}, "неверное значение"},
        {"an overlong UTF-8 form", {"EVENT TITLE %C0%AF"}, "неверное значение"},
        {"a federation in lower case", {"EVENT FEDERATION rus"}, "неверное значение"},
        {"a day not in the calendar", {"EVENT START 2026-02-30"}, "неверное значение"},
        {"a round beyond the event", {"EVENT ROUND 4 2026-01-01"}, "неверное значение"},
        {"round zero", {"EVENT ROUND 0 2026-01-01"}, "неверное значение"},
        {"rounds not rising",
         {"EVENT ROUND 2 2026-01-01", "EVENT ROUND 1 2026-01-01"},
         "неверное значение"},
        {"a round without a date", {"EVENT ROUND 2"}, "неверное значение"},
        {"an unknown kind", {"EVENT KIND CLASSIC"}, "неверное значение"},
        {"details before the withdrawals", {"EVENT TITLE A", "WITHDRAWN 1 1"}, "не на своём месте"},
    };
    for (const Refusal &c : cases) {
        const FileExtensionRead read = readFileExtension(withExtension(c.lines), 3);
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << c.what << ": " << read.error;
        EXPECT_EQ(read.error.rfind("в дополнении файла", 0), 0u) << c.what;
    }
    const FileExtensionRead good = readFileExtension(
        withExtension({"WITHDRAWN 1 1", "EVENT TITLE A", "EVENT ROUND 2 2026-01-01",
                       "EVENT ROUND 3 2026-01-08", "EVENT KIND BLITZ"}),
        3);
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.extension.event.title, "A");
    EXPECT_EQ(good.extension.event.roundDates,
              (std::vector<std::string>{"", "2026-01-01", "2026-01-08"}));
    EXPECT_EQ(good.extension.event.kind, EventKind::Blitz);
}

// Random well-formed UTF-8: ASCII, Cyrillic, three- and four-byte characters, blanks and
// control characters anywhere.
std::string randomText(std::mt19937 &random)
{
    static const std::vector<std::string> pieces = {" ",
                                                    "  ",
                                                    "%",
                                                    "%25",
                                                    "a",
                                                    "Z",
                                                    "0",
                                                    ";",
                                                    "\"",
                                                    "\t",
                                                    std::string(1, '\0'),
                                                    "\r\n",
                                                    "Ё",
                                                    "ж",
                                                    "«",
                                                    "»",
                                                    "№",
                                                    "€",
                                                    "😀",
                                                    "*END 3",
                                                    "EVENT TITLE x"};
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int k = 0; k < length; ++k)
        text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    return text;
}

TEST(EventModel, RandomDetailsReadBackExactlyAndWriteTheSameBytes)
{
    std::mt19937 random(28);
    for (int run = 0; run < 300; ++run) {
        Tournament t = fourPlayers();
        EventDetails d;
        d.title = randomText(random);
        d.place = randomText(random);
        d.organiser = randomText(random);
        d.chiefArbiter = randomText(random);
        d.deputyArbiter = randomText(random);
        d.timeControl = randomText(random);
        if (random() % 2)
            d.federation = "KAZ";
        if (random() % 2)
            d.startDate =
                "2026-0" + std::to_string(1 + random() % 9) + "-1" + std::to_string(random() % 10);
        for (int r = 0; r < int(random() % 4); ++r)
            d.roundDates.push_back(random() % 3 ? "2027-01-0" + std::to_string(1 + r) : "");
        d.kind = EventKind(random() % 4);
        t.setEvent(d);
        const std::string bytes = t.fileBytes();
        Tournament read;
        read.load(bytes);
        ASSERT_EQ(read.event(), t.event()) << "run " << run;
        ASSERT_EQ(read.fileBytes(), bytes) << "run " << run;
        ASSERT_EQ(readFileExtension(bytes, 4).error, "") << "run " << run;
    }
}

} // namespace
