// The hall's pages as bytes: golden files of every page, the exact paths, the round being
// played, and names that must stay text.
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "export/html_export.h"
#include "export/sheet_fixture.h"
#include "export/trf_export.h"
#include "hall/hall_pages.h"
#include "rounds/berger_schedule.h"

using namespace krugovik;

namespace {

const std::vector<std::string> kNames = {
    "Иванов Иван",   "Петров Пётр",    "<script>alert(1)</script>",
    "Сидорова & Ко", "Орлов \"Орёл\"", "Ёлкин Ян"};

HallView sixPlayers()
{
    HallView view;
    view.snapshot = sheet_fixture::event(kNames, 2, true, true);
    view.changedAt = "09.12.2026 14:05:31";
    view.stamp = "1765288000000-7";
    return view;
}

std::string golden(const std::string &name)
{
    std::ifstream in(std::string(KRUGOVIK_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "no golden file " << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void expectGolden(const std::string &name, const std::optional<HallPage> &page)
{
    ASSERT_TRUE(page) << name;
    if (page->body != golden(name)) {
        std::ofstream(name + ".actual", std::ios::binary) << page->body;
        ADD_FAILURE() << name << " differs; see " << name << ".actual";
    }
}

} // namespace

TEST(HallPages, MatchTheirGoldenFiles)
{
    const HallView view = sixPlayers();
    expectGolden("crosstable.html", hallPage(view, {HallPageKind::Crosstable}));
    expectGolden("standings.html", hallPage(view, {HallPageKind::Standings}));
    expectGolden("round-7.html", hallPage(view, {HallPageKind::Round, 7}));
    expectGolden("hall.html", hallPage(view, {HallPageKind::Hall}));
    expectGolden("none.html",
                 hallPage(HallView{{}, "09.12.2026 14:05:31", "s"}, {HallPageKind::Crosstable}));
}

TEST(HallPages, PathsAreMatchedExactly)
{
    const std::vector<std::pair<std::string, std::optional<HallRoute>>> cases = {
        {"/", HallRoute{HallPageKind::Crosstable}},
        {"/standings", HallRoute{HallPageKind::Standings}},
        {"/round/current", HallRoute{HallPageKind::CurrentRound}},
        {"/round/1", HallRoute{HallPageKind::Round, 1}},
        {"/round/42", HallRoute{HallPageKind::Round, 42}},
        {"/trf", HallRoute{HallPageKind::Trf}},
        {"/hall", HallRoute{HallPageKind::Hall}},
        {"/stamp", HallRoute{HallPageKind::Stamp}},
        {"", std::nullopt},
        {"/../BASE.DAT", std::nullopt},
        {"/%2e%2e/BASE.DAT", std::nullopt},
        {"/%2E%2E%2FBASE.DAT", std::nullopt},
        {"/round/../trf", std::nullopt},
        {"//etc/passwd", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"/KUBOK.TXT", std::nullopt},
        {"/KUBOK.TXT.recovery", std::nullopt},
        {"http://127.0.0.1/", std::nullopt},
        {"/?x=1", std::nullopt},
        {"/standings/", std::nullopt},
        {"/Standings", std::nullopt},
        {"/round/", std::nullopt},
        {"/round/0", std::nullopt},
        {"/round/01", std::nullopt},
        {"/round/-1", std::nullopt},
        {"/round/+1", std::nullopt},
        {"/round/1a", std::nullopt},
        {"/round/99999999999", std::nullopt},
        {std::string("/\0", 2), std::nullopt},
    };
    for (const auto &[target, route] : cases)
        EXPECT_EQ(hallRoute(target), route) << target;
}

TEST(HallPages, RoundsOutsideTheEventHaveNoPage)
{
    const HallView view = sixPlayers();
    // Six players, two cycles: five rounds each.
    EXPECT_EQ(hallRoundCount(view.snapshot), 10);
    EXPECT_TRUE(hallPage(view, {HallPageKind::Round, 10}));
    EXPECT_FALSE(hallPage(view, {HallPageKind::Round, 11}));
    EXPECT_FALSE(hallPage(HallView{}, {HallPageKind::Trf}));
}

TEST(HallPages, NamesAndTextsStayText)
{
    HallView view = sixPlayers();
    view.snapshot.event.place = "<img src=x onerror=alert(2)>";
    view.changedAt = "\"><script>alert(3)</script>";
    for (const HallRoute route :
         {HallRoute{HallPageKind::Crosstable}, HallRoute{HallPageKind::Standings},
          HallRoute{HallPageKind::Round, 1}, HallRoute{HallPageKind::Hall}}) {
        const std::string body = hallPage(view, route)->body;
        EXPECT_EQ(body.find("<script>alert"), std::string::npos);
        EXPECT_EQ(body.find("<img"), std::string::npos);
        EXPECT_NE(body.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos)
            << int(route.kind);
        EXPECT_NE(body.find("Сидорова &amp; Ко"), std::string::npos) << int(route.kind);
    }
    EXPECT_EQ(htmlEscaped("<a href=\"x\">&</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
}

TEST(HallPages, TrfIsTheExport)
{
    const HallView view = sixPlayers();
    const std::optional<HallPage> page = hallPage(view, {HallPageKind::Trf});
    ASSERT_TRUE(page);
    EXPECT_EQ(page->body, exportTrf(view.snapshot));
    EXPECT_EQ(page->contentType, "text/plain; charset=utf-8");
    EXPECT_EQ(hallPage(view, {HallPageKind::Stamp})->body, view.stamp);
}

TEST(HallPages, EveryPageNamesTheEventAndTheLastChange)
{
    const HallView view = sixPlayers();
    for (const HallRoute route :
         {HallRoute{HallPageKind::Crosstable}, HallRoute{HallPageKind::Standings},
          HallRoute{HallPageKind::Round, 3}, HallRoute{HallPageKind::CurrentRound},
          HallRoute{HallPageKind::Hall}}) {
        const std::string body = hallPage(view, route)->body;
        EXPECT_NE(body.find("<h1>Первенство района среди юношей</h1>"), std::string::npos);
        EXPECT_NE(body.find("Тверь, 01.12.2026 – 09.12.2026"), std::string::npos);
        EXPECT_NE(body.find("Изменено: 09.12.2026 14:05:31"), std::string::npos);
        EXPECT_NE(body.find("data-stamp=\"1765288000000-7\""), std::string::npos);
    }
}

// The round being played, as results come in board by board over two cycles.
TEST(HallPages, CurrentRoundFollowsTheResults)
{
    TournamentSnapshot s;
    for (int i = 1; i <= 5; ++i)
        s.players.push_back({"P" + std::to_string(i), "1500", false, 0, {}});
    s.cycles = 2;
    s.laterCycles.resize(1);
    const std::vector<ScheduledGame> schedule = bergerSchedule(5, 2, false);
    const int total = hallRoundCount(s);
    ASSERT_EQ(total, 10);
    EXPECT_EQ(currentRound(s), 1);
    for (int round = 1; round <= total; ++round) {
        GameRecords &games = round <= 5 ? s.games : s.laterCycles[0];
        bool first = true;
        for (const ScheduledGame &game : schedule) {
            if (game.round != round)
                continue;
            recordGame(games, game.firstNamed, game.secondNamed, GameState::Draw, 1500, 1500);
            // One board in, the other still playing: the round is still on.
            if (first) {
                EXPECT_EQ(currentRound(s), round) << round;
            }
            first = false;
        }
        EXPECT_EQ(currentRound(s), std::min(round + 1, total)) << round;
    }
}
