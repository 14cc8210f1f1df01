// The samples of examples/ look like real events and agree with their base: a finished
// cup and a championship stopped after round 4.
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>

#include "base/player_record.h"
#include "rating/game_notation.h"
#include "rating/rating_correction.h"
#include "rounds/berger_schedule.h"
#include "table/tournament_file.h"

using namespace krugovik;

namespace {

std::string readSample(const std::string &name)
{
    std::ifstream in(std::string(KRUGOVIK_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The result of row i against row j (both 1-based) as the file holds it.
GameState game(const TournamentFile &file, int i, int j)
{
    const auto &results = file.players[i - 1].results;
    const auto state = stateFromCellText(results[j < i ? j - 1 : j - 2]);
    EXPECT_TRUE(state.has_value()) << "row " << i << " against " << j;
    return state.value_or(GameState::None);
}

struct Sample {
    const char *file;
    int players;
    int roundsPlayed;
};

void PrintTo(const Sample &sample, std::ostream *out)
{
    *out << sample.file;
}

class SampleTest : public ::testing::TestWithParam<Sample> {};

TEST_P(SampleTest, GamesFollowTheScheduleAndAgreeWithTheBase)
{
    const Sample sample = GetParam();
    const TournamentFile file = readTournamentFile(readSample(sample.file));
    ASSERT_TRUE(file.complete());
    ASSERT_EQ(file.playerCount, sample.players);

    int played = 0;
    int draws = 0;
    std::set<int> forfeitRounds;
    int forfeits = 0;
    for (const ScheduledGame &g : bergerSchedule(sample.players)) {
        const GameState first = game(file, g.firstNamed, g.secondNamed);
        EXPECT_EQ(game(file, g.secondNamed, g.firstNamed), mirrored(first))
            << g.firstNamed << "-" << g.secondNamed;
        // Exactly the rounds played so far have results.
        EXPECT_EQ(first != GameState::None, g.round <= sample.roundsPlayed)
            << "round " << g.round << ", " << g.firstNamed << "-" << g.secondNamed;
        if (first == GameState::None)
            continue;
        ++played;
        draws += first == GameState::Draw ? 1 : 0;
        if (first == GameState::ForfeitWin || first == GameState::ForfeitLoss) {
            ++forfeits;
            forfeitRounds.insert(g.round);
        }
    }
    // As in a real event: draws are common, forfeits rare and not all in one round.
    EXPECT_GE(draws * 10, played) << "fewer than one draw in ten games";
    EXPECT_LE(draws * 2, played) << "more than half the games drawn";
    EXPECT_LE(forfeits * 10, played);
    EXPECT_EQ(int(forfeitRounds.size()), forfeits);

    const std::string base = readSample("BASE.DAT");
    for (int i = 1; i <= sample.players; ++i) {
        const PlayerBlock &block = file.players[i - 1];
        const std::size_t at = std::size_t(block.baseRecordNo - 1) * kRecordLength;
        ASSERT_LE(at + kRecordLength, base.size()) << "row " << i;
        const PlayerRecord record = decodeRecord(std::string_view(base).substr(at, kRecordLength));
        EXPECT_EQ(trimBlanks(record.name), block.name) << "row " << i;
        EXPECT_EQ(trimBlanks(record.rate), block.rating) << "row " << i;
        // An estimate carries the correction a save stores for the games so far.
        int rated = 0;
        Fixed score;
        for (int j = 1; j <= sample.players; ++j) {
            if (j != i) {
                rated += isRated(game(file, i, j)) ? 1 : 0;
                score += ratedPoints(game(file, i, j));
            }
        }
        const int mark = trimBlanks(record.nr) == "N" ? ratingCorrection(rated, score) : 1000;
        EXPECT_EQ(block.correctionMark, mark) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, SampleTest,
                         ::testing::Values(Sample{"KUBOK.TXT", 10, 9},
                                           Sample{"PERVENSTVO.TXT", 7, 4}),
                         [](const auto &info) {
                             return std::string(info.param.players == 10 ? "Cup" : "Championship");
                         });

} // namespace
