#include "hall/hall_pages.h"

#include <algorithm>
#include <charconv>

#include "common/texts.h"
#include "export/crosstable_print.h"
#include "export/event_lines.h"
#include "export/html_export.h"
#include "export/round_protocol.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "export/trf_export.h"
#include "rounds/berger_schedule.h"
#include "standings/standings_print.h"

namespace krugovik {
namespace {

// The page fits a phone of 320 pixels: wide tables scroll in their own box, never the page.
// The hall's screen shows one sheet at a time in type as large as the screen allows.
constexpr const char *kStyle = R"(* { box-sizing: border-box; }
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 0; padding: 0.5em; color: #000; background: #fff; font-size: 16px; }
header { overflow-wrap: anywhere; }
h1 { font-size: 1.3em; margin: 0; }
header p { margin: 0.15em 0; color: #333; }
nav { margin: 0.5em 0; display: flex; flex-wrap: wrap; gap: 0.3em 1em; }
nav a { color: #0645ad; }
h2 { font-size: 1.1em; margin: 0.6em 0 0.3em 0; }
.scroll { overflow-x: auto; max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.15em 0.35em; white-space: nowrap; }
th { background: #eee; }
td.l { text-align: left; }
td.c { text-align: center; }
td.r { text-align: right; }
td.x { background: #808080; }
p.note { margin: 0.2em 0; font-size: 0.9em; overflow-wrap: anywhere; }
#stopped { background: #b00; color: #fff; padding: 0.4em; font-weight: bold; }
body.hall { padding: 0.6em 1em; }
body.hall h1 { font-size: 2em; }
body.hall header p { font-size: 1.3em; }
body.hall nav { display: none; }
body.hall .slide { display: none; }
body.hall .slide.on { display: block; }
body.hall .scroll { overflow: visible; }
)";

// Every page asks for the stamp twice a second and fetches itself again when it changed;
// when the program no longer answers, the page says so and keeps asking.
constexpr const char *kPollScript = R"(<script>
(function () {
  var stamp = document.body.getAttribute('data-stamp');
  var stopped = document.getElementById('stopped');
  function replace(html) {
    var page = new DOMParser().parseFromString(html, 'text/html');
    document.querySelector('header').innerHTML = page.querySelector('header').innerHTML;
    document.querySelector('main').innerHTML = page.querySelector('main').innerHTML;
    document.title = page.title;
    stamp = page.body.getAttribute('data-stamp');
    if (window.hallShow) window.hallShow();
  }
  function tick() {
    fetch('/stamp', {cache: 'no-store'}).then(function (r) {
      if (!r.ok) throw new Error(r.status);
      return r.text();
    }).then(function (now) {
      stopped.hidden = true;
      if (now.trim() === stamp) return null;
      return fetch(location.pathname, {cache: 'no-store'}).then(function (r) {
        if (!r.ok) throw new Error(r.status);
        return r.text();
      }).then(replace);
    }).catch(function () {
      stopped.hidden = false;
    }).then(function () {
      setTimeout(tick, 500);
    });
  }
  setTimeout(tick, 500);
})();
</script>
)";

// The hall's screen: each sheet for a while, its type grown until the sheet fills the screen.
constexpr const char *kHallScript = R"(<script>
(function () {
  var shown = 0;
  // The largest size from 8 to 72 pixels at which the page needs no scrolling, by halving.
  function fit(slide) {
    var root = document.documentElement;
    var low = 8, high = 72;
    while (low < high) {
      var middle = Math.ceil((low + high) / 2);
      slide.style.fontSize = middle + 'px';
      if (root.scrollWidth > window.innerWidth || root.scrollHeight > window.innerHeight) high = middle - 1;
      else low = middle;
    }
    slide.style.fontSize = low + 'px';
  }
  window.hallShow = function () {
    var slides = document.querySelectorAll('.slide');
    if (!slides.length) return;
    shown %= slides.length;
    for (var i = 0; i < slides.length; ++i) slides[i].className = i === shown ? 'slide on' : 'slide';
    fit(slides[shown]);
  };
  window.addEventListener('resize', window.hallShow);
  setInterval(function () { shown += 1; window.hallShow(); }, 15000);
  window.hallShow();
})();
</script>
)";

std::string alignClass(SheetAlign align)
{
    switch (align) {
    case SheetAlign::Left:
        return "l";
    case SheetAlign::Right:
        return "r";
    case SheetAlign::Centre:
        break;
    }
    return "c";
}

// A sheet as the printouts lay it out: its subtitle, its table with the cycles' captions and
// the grey diagonal, and the lines under it. The heading is the page's, not the sheet's.
std::string sheetHtml(const Sheet &sheet, const std::string &cls = {})
{
    std::string out = cls.empty() ? "<section>\n" : "<section class=\"" + cls + "\">\n";
    out += "<h2>" + htmlEscaped(sheet.subtitle) + "</h2>\n";
    out += "<div class=\"scroll\">\n<table>\n<thead>\n";
    if (!sheet.groups.empty()) {
        out += "<tr>";
        std::size_t column = 0;
        for (const SheetGroup &group : sheet.groups) {
            if (group.first > column)
                out += "<th colspan=\"" + std::to_string(group.first - column) + "\"></th>";
            out += "<th colspan=\"" + std::to_string(group.count) + "\">" +
                   htmlEscaped(group.title) + "</th>";
            column = group.first + group.count;
        }
        if (column < sheet.columns.size())
            out += "<th colspan=\"" + std::to_string(sheet.columns.size() - column) + "\"></th>";
        out += "</tr>\n";
    }
    out += "<tr>";
    for (const SheetColumn &column : sheet.columns)
        out += "<th>" + htmlEscaped(column.title) + "</th>";
    out += "</tr>\n</thead>\n<tbody>\n";
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        out += "<tr>";
        for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
            const bool grey = std::find(sheet.shaded.begin(), sheet.shaded.end(),
                                        std::pair{r, c}) != sheet.shaded.end();
            const std::string text = c < sheet.rows[r].size() ? sheet.rows[r][c] : std::string();
            out += "<td class=\"" + (grey ? std::string("x") : alignClass(sheet.columns[c].align)) +
                   "\">" + htmlEscaped(text) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n</div>\n";
    for (const std::string &line : sheet.footer)
        out += "<p class=\"note\">" + htmlEscaped(line) + "</p>\n";
    out += "</section>\n";
    return out;
}

std::string link(const std::string &href, const std::string &text)
{
    return "<a href=\"" + htmlEscaped(href) + "\">" + htmlEscaped(text) + "</a>";
}

// The page around its sheets: the event, its place and dates and the time of the last
// change on top, the other pages' links, and the notice for a program that stopped.
std::string page(const HallView &view, const std::string &title, const std::string &main, bool hall)
{
    const TournamentSnapshot &s = view.snapshot;
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + htmlEscaped(programLanguageCode()) +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out += "<title>" + htmlEscaped(title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n";
    out += std::string("<body") + (hall ? " class=\"hall\"" : "") + " data-stamp=\"" +
           htmlEscaped(view.stamp) + "\">\n<header>\n<h1>" + htmlEscaped(title) + "</h1>\n";
    if (const std::string where = sheetPlaceAndDates(s); !where.empty())
        out += "<p class=\"where\">" + htmlEscaped(where) + "</p>\n";
    if (!view.changedAt.empty())
        out += "<p class=\"changed\">" +
               htmlEscaped(filled(translated("Hall", "Изменено: %1",
                                             "when the event last changed: a day and a time"),
                                  {view.changedAt})) +
               "</p>\n";
    out += "</header>\n<nav>" + link("/", translated("Sheets", "Турнирная таблица")) + ' ' +
           link("/standings", translated("Sheets", "Итоговая таблица")) + ' ' +
           link("/round/current", translated("Hall", "Текущий тур")) + ' ' +
           link("/hall", translated("Hall", "Для экрана в зале")) + ' ' + link("/trf", "TRF") +
           "</nav>\n";
    out +=
        "<p id=\"stopped\" hidden>" +
        htmlEscaped(translated("Hall", "Программа остановлена: таблица больше не обновляется.")) +
        "</p>\n<main>\n" + main + "</main>\n" + kPollScript;
    if (hall)
        out += kHallScript;
    out += "</body>\n</html>\n";
    return out;
}

std::string roundMain(const TournamentSnapshot &s, int round, const std::string &cls = {})
{
    Sheet sheet = roundProtocolSheet(s, round);
    sheet.subtitle = roundName(s, round);
    // The round's day, where known, stays; the event's place and dates head the page already.
    std::string out = sheetHtml(sheet, cls);
    const std::vector<std::string> &dates = s.event.roundDates;
    if (round >= 1 && std::size_t(round) <= dates.size() && !dates[std::size_t(round - 1)].empty())
        out.insert(out.find("<div class=\"scroll\">"),
                   "<p class=\"note\">" +
                       htmlEscaped(filled(translated("Sheets", "Дата тура: %1"),
                                          {sheetDate(dates[std::size_t(round - 1)])})) +
                       "</p>\n");
    return out;
}

std::string roundLinks(const TournamentSnapshot &s, int round)
{
    std::string out = "<nav class=\"rounds\">";
    if (round > 1)
        out += link("/round/" + std::to_string(round - 1), translated("Hall", "← Предыдущий тур"));
    if (round < hallRoundCount(s))
        out += (round > 1 ? " " : "") +
               link("/round/" + std::to_string(round + 1), translated("Hall", "Следующий тур →"));
    return out + "</nav>\n";
}

} // namespace

std::optional<HallRoute> hallRoute(std::string_view target)
{
    if (target == "/")
        return HallRoute{HallPageKind::Crosstable};
    if (target == "/standings")
        return HallRoute{HallPageKind::Standings};
    if (target == "/round/current")
        return HallRoute{HallPageKind::CurrentRound};
    if (target == "/trf")
        return HallRoute{HallPageKind::Trf};
    if (target == "/hall")
        return HallRoute{HallPageKind::Hall};
    if (target == "/stamp")
        return HallRoute{HallPageKind::Stamp};
    constexpr std::string_view kRound = "/round/";
    if (!target.starts_with(kRound))
        return std::nullopt;
    const std::string_view digits = target.substr(kRound.size());
    // Digits only, no leading zero, no sign: one spelling per round.
    if (digits.empty() || digits.size() > 3 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int round = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), round);
    return HallRoute{HallPageKind::Round, round};
}

int hallRoundCount(const TournamentSnapshot &snapshot)
{
    const int n = int(snapshot.players.size());
    if (n < 3 || n > kMaxTablePlayers)
        return 0;
    return roundCount(n) * std::clamp(snapshot.cycles, 1, kMaxCycles);
}

int currentRound(const TournamentSnapshot &snapshot)
{
    const int total = hallRoundCount(snapshot);
    const int last = std::min(lastRoundPlayed(snapshot), total);
    if (total == 0)
        return 0;
    if (last == 0)
        return 1;
    const int n = int(snapshot.players.size());
    const int cycles = std::clamp(snapshot.cycles, 1, kMaxCycles);
    const int cycle = (last - 1) / roundCount(n) + 1;
    bool complete = true;
    for (const ScheduledGame &game : bergerSchedule(n, cycles, snapshot.reverseLastRounds))
        if (game.round == last &&
            countedState(snapshot, cycle, game.firstNamed, game.secondNamed) == GameState::None)
            complete = false;
    return complete && last < total ? last + 1 : last;
}

std::optional<HallPage> hallPage(const HallView &view, const HallRoute &route)
{
    const TournamentSnapshot &s = view.snapshot;
    // The window serves on with no tournament open: every page says so.
    if (s.players.empty() && route.kind != HallPageKind::Stamp) {
        if (route.kind == HallPageKind::Trf || route.kind == HallPageKind::Round)
            return std::nullopt;
        const std::string none = translated("Hall", "Турнир не открыт.");
        return HallPage{
            "text/html; charset=utf-8",
            page(view, none,
                 "<p class=\"note\">" +
                     htmlEscaped(
                         translated("Hall", "Таблица появится, как только судья откроет турнир.")) +
                     "</p>\n",
                 route.kind == HallPageKind::Hall)};
    }
    const std::string title = sheetTitle(s);
    switch (route.kind) {
    case HallPageKind::Crosstable:
        return HallPage{"text/html; charset=utf-8",
                        page(view, title, sheetHtml(crosstableSheet(s)), false)};
    case HallPageKind::Standings:
        return HallPage{"text/html; charset=utf-8",
                        page(view, title, sheetHtml(standingsSheet(s)), false)};
    case HallPageKind::Round:
    case HallPageKind::CurrentRound: {
        const int round = route.kind == HallPageKind::Round ? route.round : currentRound(s);
        if (round < 1 || round > hallRoundCount(s))
            return std::nullopt;
        return HallPage{"text/html; charset=utf-8",
                        page(view, title, roundMain(s, round) + roundLinks(s, round), false)};
    }
    case HallPageKind::Hall: {
        std::string slides =
            sheetHtml(crosstableSheet(s), "slide on") + sheetHtml(standingsSheet(s), "slide");
        if (const int round = currentRound(s); round > 0)
            slides += roundMain(s, round, "slide");
        return HallPage{"text/html; charset=utf-8", page(view, title, slides, true)};
    }
    case HallPageKind::Trf:
        return HallPage{"text/plain; charset=utf-8", exportTrf(s)};
    case HallPageKind::Stamp:
        return HallPage{"text/plain; charset=utf-8", view.stamp};
    }
    return std::nullopt;
}

} // namespace krugovik
