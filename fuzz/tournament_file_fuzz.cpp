// Any bytes as a tournament file: reading never crashes, never reads past the end,
// and a file written from what was read reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "table/tournament_file.h"

using namespace krugovik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    (void)foreignFileReason(bytes);

    ItemReader reader(bytes);
    std::vector<PlayerBlock> blocks;
    const auto count = reader.number();
    if (!count || *count < kFewestTournamentPlayers || *count > kMostTournamentPlayers)
        return 0;
    const int n = int(*count);
    for (int i = 0; i < n; ++i) {
        PlayerBlock block;
        const auto name = reader.text();
        const auto recordNo = reader.number();
        const auto rating = reader.text();
        const auto mark = reader.number();
        if (!name || !recordNo || !rating || !mark)
            return 0;
        block = {*name, *recordNo, *rating, *mark, {}};
        for (int j = 1; j < n; ++j) {
            const auto result = reader.text();
            if (!result)
                return 0;
            block.results.push_back(*result);
        }
        // A line end inside an item cannot be written back as one item.
        if (block.name.find_first_of("\r\n") != std::string::npos)
            return 0;
        blocks.push_back(block);
    }
    ItemReader again(writeTournamentFile(blocks));
    if (again.number() != count)
        std::abort();
    for (const PlayerBlock &block : blocks) {
        if (again.text() != block.name || again.number() != block.baseRecordNo ||
            again.text() != block.rating || again.number() != block.correctionMark)
            std::abort();
        for (const std::string &result : block.results) {
            if (again.text() != result)
                std::abort();
        }
    }
    return 0;
}
