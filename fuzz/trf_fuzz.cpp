// Reads any bytes as a TRF; whatever reads is checked and renumbered to the Berger table
// where it can be, and whatever imports is written as a tournament file, loaded, exported
// again and read back.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "export/trf_export.h"
#include "table/tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_import.h"
#include "trf/trf_numbering.h"
#include "trf/trf_reader.h"

using namespace krugovik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const TrfReadResult read = readTrf(bytes);
    if (!read.ok())
        return 0;
    checkTrf(read.file);
    const std::optional<TrfRenumbering> renumbering = bergerRenumbering(read.file);
    if (!renumbering)
        return 0;
    const TrfFile file = renumbered(read.file, *renumbering);
    // A renumbering found is one under which the pairings are the table's.
    const int cycles = trfCycles(file);
    if (!followsBerger(file, cycles, false) && !followsBerger(file, cycles, true))
        std::abort();
    TrfError why;
    bool ok = false;
    const ImportedTournament imported = importTrf(file, why, ok);
    if (!ok)
        return 0;
    Tournament tournament;
    tournament.load(imported.fileBytes());
    // What the program writes it must read.
    if (!readTrf(exportTrf(tournament.snapshot(imported.name, {}))).ok())
        std::abort();
    return 0;
}
