#include "export/fide_sheets.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/texts.h"
#include "export/event_lines.h"
#include "export/fide_snapshot.h"
#include "export/sheet_parts.h"
#include "rating/event_category.h"
#include "rating/fide_rating.h"
#include "rating/fide_report.h"
#include "rounds/berger_schedule.h"

namespace krugovik {
namespace {

std::string resultText(int halves)
{
    return halves == 2 ? "1" : halves == 1 ? "½" : "0";
}

std::string orNone(const std::string &text)
{
    return text.empty() ? "—" : text;
}

// The lines of the certificate's heading that describe the event.
std::vector<std::string> eventLines(const TournamentSnapshot &snapshot, int rounds)
{
    const EventDetails &event = snapshot.event;
    std::vector<std::string> lines;
    lines.push_back(filled(translated("FideSheets", "Турнир: %1"), {sheetTitle(snapshot)}));
    lines.push_back(filled(translated("FideSheets", "Место: %1; федерация: %2"),
                           {orNone(event.place), orNone(event.federation)}));
    lines.push_back(filled(translated("FideSheets", "Даты: %1 – %2"),
                           {orNone(sheetDate(event.startDate)), orNone(sheetDate(event.endDate))}));
    lines.push_back(
        filled(translated("FideSheets", "Игроков: %1; туров: %2; круговой турнир, циклов: %3"),
               {std::to_string(snapshot.players.size()), std::to_string(rounds),
                std::to_string(snapshot.cycles)}));
    lines.push_back(
        filled(translated("FideSheets", "Контроль времени: %1"), {orNone(event.timeControl)}));
    lines.push_back(filled(translated("FideSheets", "Главный судья: %1; заместитель: %2"),
                           {orNone(event.chiefArbiter), orNone(event.deputyArbiter)}));
    lines.push_back(filled(translated("FideSheets", "Организатор: %1"), {orNone(event.organiser)}));
    return lines;
}

std::string fideIdText(std::int64_t id)
{
    return id > 0 ? std::to_string(id) : std::string();
}

Sheet certificate(const TournamentSnapshot &snapshot, const FideEvent &event, int p,
                  const NormCheck &check)
{
    const int n = int(event.players.size());
    const int rounds = roundCount(n) * snapshot.cycles;
    const FidePlayer &player = event.players[std::size_t(p)];
    const PlayerIdentity &identity = snapshot.players[std::size_t(p)].identity;
    Sheet sheet;
    sheet.title = translated("FideSheets", "Сертификат результата на звание");
    sheet.subtitle = filled(translated("FideSheets", "Норма %1", "%1: the title's short name"),
                            {normName(check.norm)});
    sheet.heading.push_back(filled(
        translated("FideSheets",
                   "Участник: %1; FIDE ID: %2; федерация: %3; звание: %4; год рождения: %5"),
        {player.name, orNone(fideIdText(identity.fideId)), orNone(player.federation),
         orNone(player.title), identity.birthYear > 0 ? std::to_string(identity.birthYear) : "—"}));
    for (std::string &line : eventLines(snapshot, rounds))
        sheet.heading.push_back(std::move(line));
    sheet.columns = {
        {translated("FideSheets", "Тур"), SheetAlign::Right},
        {translated("FideSheets", "Дата"), SheetAlign::Centre},
        {translated("FideSheets", "Соперник"), SheetAlign::Left, false, false, false, true},
        {translated("FideSheets", "Звание"), SheetAlign::Centre},
        {translated("FideSheets", "Федерация"), SheetAlign::Centre},
        {translated("FideSheets", "FIDE ID"), SheetAlign::Right},
        {translated("FideSheets", "Рейтинг"), SheetAlign::Right},
        {translated("FideSheets", "Результат"), SheetAlign::Centre}};
    // The games of the norm in the order of rounds; forfeits are no part of it.
    struct Line {
        int round;
        std::vector<std::string> cells;
    };
    std::vector<Line> lines;
    int halves = 0;
    std::set<std::string> federations;
    int titled = 0, ofLevel = 0, unrated = 0;
    std::map<std::string, int> byFederation;
    std::map<std::string, int> byTitle;
    int lowest = -1, lowestRating = 0; // the opponent the rating floor may raise
    for (int cycle = 0; cycle < snapshot.cycles; ++cycle) {
        for (int q = 0; q < n; ++q) {
            if (q == p)
                continue;
            // The pair's game of this cycle: the games run cycle by cycle in pair order.
            const int a = std::min(p, q), b = std::max(p, q);
            const std::size_t perCycle = std::size_t(n) * std::size_t(n - 1) / 2;
            const std::size_t pairIndex = std::size_t(a) * std::size_t(n) -
                                          std::size_t(a) * std::size_t(a + 1) / 2 +
                                          std::size_t(b - a - 1);
            const FideGame *found = &event.games[std::size_t(cycle) * perCycle + pairIndex];
            if (found->kind != FideGameKind::OverTheBoard || leftOutOfNorms(event, q))
                continue;
            const int mine =
                found->first == p ? found->firstHalfPoints : 2 - found->firstHalfPoints;
            halves += mine;
            const FidePlayer &opponent = event.players[std::size_t(q)];
            federations.insert(opponent.federation);
            ++byFederation[opponent.federation];
            if (!opponent.title.empty())
                ++byTitle[opponent.title];
            unrated += opponent.rating > 0 ? 0 : 1;
            const int counted = opponent.rating > 0 ? opponent.rating : kUnratedOpponentRating;
            if (lowest < 0 || counted < lowestRating) {
                lowest = q;
                lowestRating = counted;
            }
            titled += isTitleHolder(opponent.title) ? 1 : 0;
            ofLevel += countsForLevel(opponent.title, check.norm) ? 1 : 0;
            const auto scheduled = scheduledGame(n, snapshot.cycles, snapshot.reverseLastRounds,
                                                 cycle + 1, p + 1, q + 1);
            const int round = scheduled ? scheduled->round : 0;
            const std::string date =
                round > 0 && std::size_t(round) <= snapshot.event.roundDates.size()
                    ? sheetDate(snapshot.event.roundDates[std::size_t(round - 1)])
                    : std::string();
            lines.push_back(
                {round,
                 {round > 0 ? std::to_string(round) : "", date, opponent.name, opponent.title,
                  opponent.federation, fideIdText(snapshot.players[std::size_t(q)].identity.fideId),
                  opponent.rating > 0 ? std::to_string(opponent.rating) : "", resultText(mine)}});
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line &x, const Line &y) { return x.round < y.round; });
    for (Line &line : lines)
        sheet.rows.push_back(std::move(line.cells));
    const NormLevel &level = normLevel(check.norm);
    sheet.footer.push_back(
        filled(translated("FideSheets", "Очки: %1 из %2"),
               {withDecimalSeparator(halvesWithPoint(halves)), std::to_string(check.games)}));
    sheet.footer.push_back(filled(
        translated("FideSheets", "Средний рейтинг соперников Ra: %1 (нижняя граница рейтинга %2, "
                                 "нерейтингованные — %3)"),
        {std::to_string(check.ra), std::to_string(level.ratingFloor),
         std::to_string(kUnratedOpponentRating)}));
    sheet.footer.push_back(
        filled(translated("FideSheets", "Перфоманс Rp: %1 (нужно не меньше %2)"),
               {std::to_string(check.rp), std::to_string(level.leastPerformance)}));
    sheet.footer.push_back(
        filled(translated("FideSheets", "Соперников с званием: %1, из них уровня нормы: %2; "
                                        "других федераций среди соперников: %3"),
               {std::to_string(titled), std::to_string(ofLevel),
                std::to_string(std::count_if(
                    federations.begin(), federations.end(),
                    [&](const std::string &f) { return !f.empty() && f != player.federation; }))}));
    // What the form asks beyond the totals: the opponents by title and by federation, the
    // unrated ones, the one raised to the floor, and the score the norm needed.
    std::string titles;
    for (const char *title : {"GM", "IM", "WGM", "FM", "WIM", "CM", "WFM", "WCM"}) {
        if (const auto it = byTitle.find(title); it != byTitle.end())
            titles += (titles.empty() ? "" : ", ") + it->first + ' ' + std::to_string(it->second);
    }
    std::string feds;
    for (const auto &[fed, count] : byFederation)
        feds += (feds.empty() ? "" : ", ") + orNone(fed) + ' ' + std::to_string(count);
    sheet.footer.push_back(filled(
        translated("FideSheets", "Соперники по званиям: %1; по федерациям: %2; без рейтинга: %3"),
        {orNone(titles), orNone(feds), std::to_string(unrated)}));
    if (lowest >= 0 && lowestRating < level.ratingFloor)
        sheet.footer.push_back(filled(
            translated("FideSheets", "Рейтинг соперника %1 поднят с %2 до нижней границы %3"),
            {event.players[std::size_t(lowest)].name, std::to_string(lowestRating),
             std::to_string(level.ratingFloor)}));
    const int needed = leastNormHalves(check.norm, check.ra, check.games);
    sheet.footer.push_back(
        filled(translated("FideSheets", "Рейтинг ФИДЕ участника: %1; для нормы нужно очков: %2"),
               {player.rating > 0 ? std::to_string(player.rating) : "—",
                needed >= 0 ? withDecimalSeparator(halvesWithPoint(needed)) : "—"}));
    sheet.footer.push_back(
        filled(translated("FideSheets", "Норма %1 выполнена"), {normName(check.norm)}));
    sheet.signatures = {translated("FideSheets", "Главный судья") + '\t' +
                            snapshot.event.chiefArbiter,
                        translated("FideSheets", "Организатор") + '\t' + snapshot.event.organiser};
    sheet.largestPoints = 10;
    return sheet;
}

} // namespace

std::vector<Sheet> normCertificateSheets(const TournamentSnapshot &snapshot)
{
    const FideEvent event = fideEventOf(snapshot);
    std::vector<Sheet> sheets;
    for (int p = 0; p < int(event.players.size()); ++p) {
        for (const NormCheck &check : checkNorms(event, p)) {
            if (check.state == NormState::Made)
                sheets.push_back(certificate(snapshot, event, p, check));
        }
    }
    return sheets;
}

Sheet ratingReportSheet(const TournamentSnapshot &snapshot)
{
    const FideEvent event = fideEventOf(snapshot);
    Sheet sheet;
    sheet.title = sheetTitle(snapshot);
    sheet.subtitle = translated("FideSheets", "Рейтинг-отчёт ФИДЕ");
    sheet.heading = sheetHeading(snapshot);
    const int average = averageRating(event);
    sheet.heading.push_back(
        filled(translated("FideSheets", "Средний рейтинг: %1; категория: %2"),
               {std::to_string(average), std::to_string(eventCategory(average))}));
    sheet.columns = {
        {translated("FideSheets", "№"), SheetAlign::Right},
        {translated("FideSheets", "Участник"), SheetAlign::Left, false, false, false, true},
        {translated("FideSheets", "FIDE ID"), SheetAlign::Right},
        {translated("FideSheets", "Звание"), SheetAlign::Centre},
        {translated("FideSheets", "Федерация"), SheetAlign::Centre},
        {translated("FideSheets", "Рейтинг"), SheetAlign::Right},
        {translated("FideSheets", "K"), SheetAlign::Right},
        {translated("FideSheets", "Партий"), SheetAlign::Right},
        {translated("FideSheets", "Очки"), SheetAlign::Right},
        {translated("FideSheets", "Ожидалось"), SheetAlign::Right},
        {translated("FideSheets", "Изменение"), SheetAlign::Right},
        {translated("FideSheets", "Новый рейтинг"), SheetAlign::Right}};
    for (const FideReportLine &line : fideReport(event)) {
        const FidePlayer &player = event.players[std::size_t(line.number - 1)];
        const bool rated = line.rating > 0;
        std::string newRating;
        if (rated)
            newRating = std::to_string(line.rating + line.change);
        else if (line.firstRating)
            newRating = std::to_string(*line.firstRating);
        sheet.rows.push_back(
            {std::to_string(line.number), line.name,
             fideIdText(snapshot.players[std::size_t(line.number - 1)].identity.fideId),
             player.title, player.federation, rated ? std::to_string(line.rating) : "", kText(line),
             std::to_string(line.games), withDecimalSeparator(halvesWithPoint(line.halfPoints)),
             rated ? withDecimalSeparator(hundredthsWithPoint(line.expectedHundredths)) : "",
             rated ? signedNumber(line.change) : "", newRating});
    }
    sheet.footer.push_back(translated(
        "FideSheets",
        "Ожидаемый результат — по таблице 8.1.2 Положения о рейтинге ФИДЕ, разница больше 400 "
        "считается как 400; K — по статье 8.3.3; партии без игры не обсчитываются."));
    sheet.signatures = {translated("FideSheets", "Главный судья") + '\t' +
                        snapshot.event.chiefArbiter};
    sheet.largestPoints = 10;
    return sheet;
}

} // namespace krugovik
