// A tournament sent out as a TRF and taken back into the same club folder: the same
// tournament, and the same TRF again.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/player_identity.h"
#include "common/windows1251.h"
#include "export/snapshot_results.h"
#include "export/trf_export.h"
#include "table/event_details_file.h"
#include "table/tournament.h"
#include "table/tournament_sessions.h"
#include "trf/import_text.h"
#include "trf/trf_import.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

const bool kSeeded = [] {
    setenv("RC_PARAMS", "seed=34 max_success=500 max_size=60", 0);
    return true;
}();

// The sessions of the model's property test, with the event's details, players from the
// lists and up to four cycles; withdrawals come often, so that games are voided and both
// sides of a game lost.
rc::Gen<Operation> roundTripOperation()
{
    return operations({{12, Operation::Result},
                       {4, Operation::Withdraw},
                       {1, Operation::Reinstate},
                       {1, Operation::Players},
                       {1, Operation::Cycles},
                       {1, Operation::Rules},
                       {3, Operation::Enter},
                       {1, Operation::Event}});
}

// Places, points and the games that count, as the standings and exports count them.
std::string standingsPicture(const Tournament &t)
{
    std::string out;
    const TournamentSnapshot s = t.snapshot("T", "");
    for (const TieBreakRow &row : rankByTieBreaks(roundRobinResults(s), placeRules(s)))
        out += std::to_string(row.player) + ':' + placeText(row) + '/' +
               std::to_string(row.points.units()) + ' ';
    out += '\n';
    for (int c = 0; c < t.cycles(); ++c) {
        for (int i = 1; i <= t.playerCount(); ++i) {
            for (int j = 1; j <= t.playerCount(); ++j)
                out += i == j ? 'x' : t.gameCounts({c, i, j}) ? 'c' : '.';
        }
        out += '\n';
    }
    return out;
}

// Everything the director entered: what a reopening gives back, and the estimates, the
// players' identities and the event's details.
std::string wholePicture(const Tournament &t)
{
    std::string out = picture(t) + '\n';
    for (int r = 1; r <= t.playerCount(); ++r)
        out += (t.estimate(r) ? "E " : "- ") + identityFields(t.identity(r)) + '\n';
    // As the tournament file keeps them: no dates beyond the last round.
    for (const std::string &line : eventDetailsLines(t.event(), t.totalRounds()))
        out += line + '\n';
    return out + standingsPicture(t);
}

constexpr const char *kName = "OSEN";
constexpr const char *kDay = "07.12.2026";

// The club's base as it stands after the tournament was entered from it: row i's player
// is record i, with his identity beside it.
std::vector<BaseEntry> baseOf(const Tournament &t)
{
    std::vector<BaseEntry> base;
    for (int i = 1; i <= t.playerCount(); ++i)
        base.push_back({toWindows1251(t.name(i)), t.identity(i).fideId});
    return base;
}

// The tournament file the import makes of a TRF, as the program opens it.
Tournament imported(const std::string &trf, const std::vector<BaseEntry> *base)
{
    ImportedTournament tournament = importText(trf);
    if (base)
        matchToBase(tournament, *base);
    Tournament back;
    back.load(tournament.fileBytes());
    return back;
}

} // namespace

RC_GTEST_PROP(TrfRoundTrip, ExportThenImportGivesTheTournamentBack, ())
{
    const auto ops = *rc::gen::container<std::vector<Operation>>(roundTripOperation());
    ModelSession s(startingTable());
    s.mostCycles = kMaxCycles;
    s.identities = true;
    for (const Operation &op : ops)
        s.apply(op);
    const Tournament &t = s.tournament();
    const std::string trf = exportTrf(t.snapshot(kName, kDay));
    const std::vector<BaseEntry> base = baseOf(t);
    const Tournament back = imported(trf, &base);
    RC_ASSERT(wholePicture(back) == wholePicture(t));
    RC_ASSERT(exportTrf(back.snapshot(kName, kDay)) == trf);
}

// A thousand tournaments as a director builds them, each taken back without the base:
// places, points and the games that count survive whatever the names.
TEST(TrfRoundTrip, AThousandTournamentsKeepTheirStandings)
{
    std::uint64_t state = 34;
    const auto next = [&state](int bound) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return int((z ^ (z >> 31)) % std::uint64_t(bound));
    };
    int differing = 0;
    int withdrawn = 0;
    for (int k = 0; k < 1000; ++k) {
        ModelSession s(startingTable());
        s.mostCycles = kMaxCycles;
        const int steps = 20 + next(60);
        for (int step = 0; step < steps; ++step) {
            // Mostly results, some withdrawals, a few changes of the field and the rules.
            static const int kinds[] = {Operation::Result,   Operation::Result,  Operation::Result,
                                        Operation::Result,   Operation::Result,  Operation::Result,
                                        Operation::Withdraw, Operation::Players, Operation::Cycles,
                                        Operation::Rules,    Operation::Enter,   Operation::Result};
            s.apply({kinds[next(12)], next(1000), next(1000), next(1000), next(1000)});
        }
        const Tournament &t = s.tournament();
        for (int i = 1; i <= t.playerCount(); ++i)
            withdrawn += t.withdrawnAfter(i) > 0;
        const Tournament back = imported(exportTrf(t.snapshot(kName, kDay)), nullptr);
        if (standingsPicture(back) != standingsPicture(t)) {
            if (++differing <= 3)
                ADD_FAILURE() << "tournament " << k << ":\n"
                              << standingsPicture(t) << "came back as\n"
                              << standingsPicture(back);
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(withdrawn, 300);
}
