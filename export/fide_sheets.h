#pragma once

#include <vector>

#include "common/sheet.h"
#include "export/tournament_snapshot.h"

namespace krugovik {

// FIDE's forms of a norm event as printed sheets.

// One certificate of title result per norm made, with every field FIDE's form asks: the
// player, the event (title, place, federation, dates, rounds, kind, time control, arbiters,
// organiser), each opponent of the norm with his round, date, title, federation, FIDE ID,
// rating and result, and the score, Ra and Rp; signed by the chief arbiter and the
// organiser. Empty when nobody made a norm.
std::vector<Sheet> normCertificateSheets(const TournamentSnapshot &snapshot);

// The rating report: the average and category, and per player his FIDE rating, K, rated
// games, score, expected score, change and new rating (an unrated player's first rating
// where he earned one).
Sheet ratingReportSheet(const TournamentSnapshot &snapshot);

} // namespace krugovik
