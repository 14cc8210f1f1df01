#include "export/trf_export.h"

#include <algorithm>
#include <cstddef>

#include "common/number_text.h"
#include "export/final_standings.h"
#include "rating/rating_calc.h"
#include "rounds/berger_schedule.h"
#include "standings/places.h"

namespace krugovik {
namespace {

constexpr const char *kLineEnd = "\r\n";

// Columns of the 001 line, counted from 1 as the format describes them.
constexpr std::size_t kRankColumn = 5, kRankWidth = 4;
constexpr std::size_t kNameColumn = 15, kNameWidth = 33;
constexpr std::size_t kRatingColumn = 49, kRatingWidth = 4;
constexpr std::size_t kPointsColumn = 81, kPointsWidth = 4;
constexpr std::size_t kPlaceColumn = 86, kPlaceWidth = 4;
constexpr std::size_t kFirstRoundColumn = 92, kRoundStep = 10;
constexpr std::size_t kOpponentWidth = 4;
constexpr std::size_t kColourOffset = 5, kResultOffset = 7;

// Writes text into an ASCII line at a column counted from 1, padding with blanks.
void put(std::string &line, std::size_t column, const std::string &text)
{
    if (line.size() < column - 1 + text.size())
        line.resize(column - 1 + text.size(), ' ');
    line.replace(column - 1, text.size(), text);
}

void putRight(std::string &line, std::size_t column, std::size_t width, const std::string &text)
{
    put(line, column, std::string(width - std::min(width, text.size()), ' ') + text);
}

// Points with one decimal and a point: "2.5", "10.0". Points are whole or halves.
std::string oneDecimal(Fixed points)
{
    const std::int64_t tenths = divideHalfEven(points.units(), Fixed::kScale / 10);
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

char resultCode(GameState state)
{
    switch (state) {
    case GameState::Win:
        return '1';
    case GameState::Loss:
        return '0';
    case GameState::Draw:
        return '=';
    case GameState::ForfeitWin:
        return '+';
    case GameState::ForfeitLoss:
        return '-';
    case GameState::None:
        break;
    }
    return ' ';
}

// Text with its control bytes blanked: a line break in a name would split its line.
std::string blankControls(std::string text)
{
    std::replace_if(
        text.begin(), text.end(),
        [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7f;
        },
        ' ');
    return text;
}

// Text in UTF-8 counted in characters, cut or padded with blanks to `width` characters:
// the name field is counted in characters by the programs that read the file.
std::string fitCharacters(const std::string &text, std::size_t width)
{
    std::string out;
    std::size_t characters = 0;
    for (std::size_t k = 0; k < text.size() && characters < width;) {
        std::size_t length = 1;
        const unsigned char lead = static_cast<unsigned char>(text[k]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        out.append(text, k, length);
        ++characters;
        k += length;
    }
    out.append(width - characters, ' ');
    return out;
}

} // namespace

std::string exportTrf(const TournamentSnapshot &snapshot)
{
    const int n = std::min(int(snapshot.players.size()), kMaxTablePlayers);
    std::string out = "012 " + blankControls(snapshot.name) + kLineEnd;
    out += "062 " + std::to_string(n) + kLineEnd;
    out += std::string("092 Individual: round-robin") + kLineEnd;

    std::vector<int> place(std::size_t(n) + 1);
    std::vector<Fixed> points(std::size_t(n) + 1);
    for (const PlaceRow &row : rankPlayers(snapshot.games, n)) {
        place[std::size_t(row.player)] = row.firstPlace;
        points[std::size_t(row.player)] = row.points;
    }
    const int rounds = roundCount(n);
    const std::vector<ScheduledGame> schedule = bergerSchedule(n);

    for (int i = 1; i <= n; ++i) {
        const SnapshotPlayer &player = snapshot.players[std::size_t(i - 1)];
        // Built in ASCII with the name's field left blank: columns count characters, and
        // the name's may take more than one byte each.
        std::string line = "001";
        putRight(line, kRankColumn, kRankWidth, std::to_string(i));
        const std::int64_t rating = readRating(player.ratingCell);
        if (rating != 0)
            putRight(line, kRatingColumn, kRatingWidth, std::to_string(rating));
        putRight(line, kPointsColumn, kPointsWidth, oneDecimal(points[std::size_t(i)]));
        putRight(line, kPlaceColumn, kPlaceWidth, std::to_string(place[std::size_t(i)]));
        for (int r = 1; r <= rounds; ++r) {
            const std::size_t column = kFirstRoundColumn + kRoundStep * std::size_t(r - 1);
            const auto game =
                std::find_if(schedule.begin(), schedule.end(), [&](const ScheduledGame &g) {
                    return g.round == r && (g.firstNamed == i || g.secondNamed == i);
                });
            if (game == schedule.end()) {
                put(line, column, "0000 - Z");
                continue;
            }
            const bool first = game->firstNamed == i;
            const int opponent = first ? game->secondNamed : game->firstNamed;
            const GameState state = snapshot.games.state(i, opponent);
            // A game without a result is left blank, as a round not yet paired.
            if (state == GameState::None)
                continue;
            putRight(line, column, kOpponentWidth, std::to_string(opponent));
            put(line, column + kColourOffset, first ? "w" : "b");
            put(line, column + kResultOffset, std::string(1, resultCode(state)));
        }
        line.replace(kNameColumn - 1, kNameWidth,
                     fitCharacters(blankControls(player.name), kNameWidth));
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + kLineEnd;
    }
    return out;
}

} // namespace krugovik
