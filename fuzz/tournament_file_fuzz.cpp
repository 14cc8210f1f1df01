// Reads any bytes as a tournament file, writes what was read and reads it again; also
// writes blocks of arbitrary texts and numbers, as a window might hand them over. Bytes the
// window takes, its extension (cycles, rules, withdrawals) included, go through the
// tournament itself: load, save, load, save gives the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/player_record.h"
#include "common/fixed_point.h"
#include "rating/game_notation.h"
#include "table/tournament.h"
#include "table/tournament_file.h"

using namespace krugovik;

namespace {

bool isCellText(const std::string &text)
{
    return stateFromCellText(text).has_value();
}

// Stops the run whatever NDEBUG says.
void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkSameBlock(const PlayerBlock &actual, const PlayerBlock &expected)
{
    check(actual.name == expected.name);
    check(actual.baseRecordNo == expected.baseRecordNo);
    check(actual.rating == expected.rating);
    check(actual.correctionMark == expected.correctionMark);
    check(actual.results == expected.results);
}

// Exactly the lines of a file for the count, each ended by CR LF and by nothing else.
void checkLines(const std::string &file, int playerCount)
{
    const auto lines = static_cast<std::ptrdiff_t>(tournamentLineCount(playerCount));
    check(std::count(file.begin(), file.end(), '\n') == lines);
    check(std::count(file.begin(), file.end(), '\r') == lines);
    check(file.size() >= 2 && file.compare(file.size() - 2, 2, kLineEnd) == 0);
    for (std::size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 1))
        check(file[at - 1] == '\r');
}

void readWriteReadAgain(std::string_view bytes)
{
    const FileKind kind = classifyTournamentFile(bytes);
    const TournamentFile read = readTournamentFile(bytes);
    check(read.playerCount.has_value() == !withoutEndOfFileMark(bytes).empty());
    const bool countInRange = read.playerCount && *read.playerCount >= kFewestTournamentPlayers &&
                              *read.playerCount <= kMostTournamentPlayers;
    if (kind == FileKind::Tournament)
        check(countInRange);
    if (kind == FileKind::NoCount)
        check(read.playerCount == 0);
    if (!countInRange) {
        check(read.players.empty());
        return;
    }
    const int n = *read.playerCount;
    const auto resultsPerBlock = static_cast<std::size_t>(n - 1);
    check(read.players.size() <= static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < read.players.size(); ++i) {
        const PlayerBlock &block = read.players[i];
        check(block.headItemsRead >= 1 && block.headItemsRead <= kBlockHeadItems);
        check(block.results.empty() || block.headItemsRead == kBlockHeadItems);
        check(block.results.size() <= resultsPerBlock);
        if (i + 1 < read.players.size())
            check(block.headItemsRead == kBlockHeadItems &&
                  block.results.size() == resultsPerBlock);
    }
    // What a window would save after this load: rows not read stay empty.
    std::vector<PlayerBlock> saved = read.players;
    saved.resize(static_cast<std::size_t>(n));
    for (PlayerBlock &block : saved)
        block.results.resize(resultsPerBlock);
    const std::string written = writeTournamentFile(saved);
    checkLines(written, n);
    const TournamentFile again = readTournamentFile(written);
    check(again.complete());
    for (std::size_t i = 0; i < saved.size(); ++i)
        checkSameBlock(again.players[i], saved[i]);
    check(writeTournamentFile(again.players) == written);
    if (kind == FileKind::Tournament)
        check(classifyTournamentFile(written) == FileKind::Tournament);
}

// A text as it comes back: line ends inside were written as blanks, then the line trimmed.
std::string asReadBack(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return trimBlanks(text);
}

void writeAnyBlocks(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange(kFewestTournamentPlayers, kMostTournamentPlayers);
    std::vector<PlayerBlock> blocks(static_cast<std::size_t>(n));
    for (PlayerBlock &block : blocks) {
        block.name = input.ConsumeRandomLengthString(40);
        block.baseRecordNo = input.ConsumeIntegral<int>();
        block.rating = input.ConsumeRandomLengthString(8);
        block.correctionMark = input.ConsumeIntegral<int>();
        // Any number of results: the writer cuts or fills them to N − 1. Mostly the cell
        // texts a window holds, sometimes any text.
        const int results = input.ConsumeIntegralInRange(0, n + 1);
        for (int k = 0; k < results; ++k) {
            if (input.ConsumeBool())
                block.results.push_back(input.ConsumeRandomLengthString(6));
            else
                block.results.emplace_back(cellText(GameState(input.ConsumeIntegralInRange(0, 5))));
        }
    }
    const std::string written = writeTournamentFile(blocks);
    checkLines(written, n);
    const TournamentFile read = readTournamentFile(written);
    check(read.complete());
    // What a window writes, its results being cell texts, is never refused as foreign,
    // whatever bytes its names and ratings hold.
    if (std::all_of(blocks.begin(), blocks.end(), [](const PlayerBlock &block) {
            return std::all_of(block.results.begin(), block.results.end(), isCellText);
        }))
        check(classifyTournamentFile(written) == FileKind::Tournament);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        PlayerBlock expected;
        expected.name = asReadBack(blocks[i].name);
        expected.baseRecordNo = heldItemNumber(blocks[i].baseRecordNo);
        expected.rating = asReadBack(blocks[i].rating);
        expected.correctionMark = heldItemNumber(blocks[i].correctionMark);
        for (std::size_t k = 0; k + 1 < blocks.size(); ++k)
            expected.results.push_back(
                k < blocks[i].results.size() ? asReadBack(blocks[i].results[k]) : "");
        checkSameBlock(read.players[i], expected);
    }
}

// The tournament as the window loads it: what it saves reads back without a word and
// saves to the same bytes.
void loadSaveLoadSave(std::string_view bytes)
{
    const TournamentFile file = readTournamentFile(bytes);
    const int n = file.playerCount.value_or(0);
    if (classifyTournamentFile(bytes) != FileKind::Tournament ||
        !readFileExtension(bytes, n).error.empty())
        return; // the window shows such a file empty and never loads it
    Tournament first;
    first.load(bytes);
    const std::string saved = first.fileBytes();
    check(readFileExtension(saved, first.playerCount()).error.empty());
    Tournament second;
    second.load(saved);
    check(second.playerCount() == first.playerCount());
    check(second.cycles() == first.cycles());
    check(second.tieBreaks() == first.tieBreaks());
    for (int p = 1; p <= first.playerCount(); ++p)
        check(second.withdrawnAfter(p) == first.withdrawnAfter(p));
    check(second.fileBytes() == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readWriteReadAgain(std::string_view(reinterpret_cast<const char *>(data), size));
    writeAnyBlocks(data, size);
    loadSaveLoadSave(std::string_view(reinterpret_cast<const char *>(data), size));
    return 0;
}
