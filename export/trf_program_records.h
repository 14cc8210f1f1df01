#pragma once

#include <string_view>

namespace krugovik {

// What the TRF has no field for, written by the export as comment lines ("### KRUGOVIK
// ...") that other programs skip and the import reads back, so that a tournament goes out
// and comes back whole:
//
//     KRUGOVIK RECORDS 1          always first: the file carries the program's records
//     KRUGOVIK REVERSE 0|1        cycle 1's last two rounds swapped (bergerSchedule)
//     KRUGOVIK RULES DEFAULT      no list chosen: the default order, written out in 202
//     KRUGOVIK RULES code ...     the whole list where it holds lots or the director's
//                                 order, which 202 cannot declare
//     KRUGOVIK WITHDRAWN p r      player p left after round r of all cycles
//     KRUGOVIK GAME r p a q b     round r, p against q: the results the table holds (a for
//                                 p, b for q) where the 001 lines show others, as for the
//                                 games of a player whose games count for nobody
//     KRUGOVIK RATING p text      p's rating cell where no national record carries it
//     KRUGOVIK ESTIMATE p text    p's rating cell holds an initial estimate
//     KRUGOVIK NATIONAL-ID p text p's national ID where no national record carries it
//     KRUGOVIK EVENT ...          the event's details, as the tournament file's EVENT lines
//     KRUGOVIK FILLED code text   header line `code` holds `text` from the tournament (its
//                                 name, its days), not from the event's details
//
// Texts are percent-encoded as in the EVENT lines, so the file stays ASCII.
inline constexpr std::string_view kProgramRecord = "KRUGOVIK";

} // namespace krugovik
