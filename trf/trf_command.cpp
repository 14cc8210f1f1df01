#include "trf/trf_command.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "common/texts.h"
#include "export/trf_export.h"
#include "trf/random_tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_numbering.h"
#include "trf/trf_reader.h"

namespace krugovik {
namespace {

std::string generateUsage()
{
    return translated("Trf",
                      "использование: krugovik --generate --players N --cycles C --seed S "
                      "[--draws P] [--forfeits P]\n"
                      "       [--unplayed P] [--withdrawals K] [--tie-breaks \"DE WIN SB KS\"]\n",
                      "the options and their letters stay as they are; the second line is "
                      "indented under the first's options");
}

CommandOutcome refused(std::string why)
{
    return {2, {}, "krugovik: " + why + '\n'};
}

CommandOutcome check(const std::vector<std::string> &arguments)
{
    if (arguments.size() != 2)
        return refused(translated("Trf", "использование: krugovik --check ФАЙЛ.trf"));
    const std::string &path = arguments[1];
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refused(filled(translated("Trf", "%1: файл не читается"), {path}));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TrfReadResult read = readTrf(text);
    if (!read.ok()) {
        const TrfError &e = read.errors.front();
        return refused(path + (e.line > 0 ? ":" + std::to_string(e.line) : std::string()) + ": " +
                       e.reason);
    }
    if (const std::optional<TrfError> out = outOfScope(read.file))
        return refused(
            filled(translated("Trf", "%1: такой турнир программа не проверяет: %2",
                              "%2 says why the file is no round robin the program holds"),
                   {path, out->reason}));
    CommandOutcome outcome;
    auto say = [&](const std::string &line) {
        outcome.output += "krugovik: " + path + ": " + line + '\n';
    };
    int faults = 0;
    for (const TrfUnknownRecord &record : read.file.unknown) {
        say(filled(translated("Trf", "строка %1: неизвестный код записи «%2»"),
                   {std::to_string(record.line), record.code}));
        ++faults;
    }
    TrfFile file = read.file;
    if (const std::optional<TrfRenumbering> renumbering = bergerRenumbering(file)) {
        if (!keepsNumbers(*renumbering)) {
            say(filled(translated("Trf", "номера игроков в турнире: %1",
                                  "a renumbering, as «5 ↔ 6; 1 → 3 → 7 → 1»"),
                       {renumberingText(*renumbering)}));
            file = renumbered(file, *renumbering);
        }
    } else {
        say(translated("Trf", "никакая перенумерация игроков не даёт пар таблицы Бергера"));
        ++faults;
    }
    for (const std::string &fault : checkTrf(file)) {
        say(fault);
        ++faults;
    }
    if (faults == 0)
        outcome.output +=
            "krugovik: " + filled(translated("Trf", "%1: согласован", "a checked TRF"), {path}) +
            '\n';
    outcome.status = faults == 0 ? 0 : 1;
    return outcome;
}

// A whole number in range, or nothing.
std::optional<long long> wholeNumber(const std::string &text, long long least, long long most)
{
    if (text.empty() || text.size() > 19 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const long long value = std::stoll(text);
    if (value < least || value > most)
        return std::nullopt;
    return value;
}

CommandOutcome generate(const std::vector<std::string> &arguments)
{
    RandomTournamentOptions options;
    bool players = false, cycles = false, seed = false;
    for (std::size_t k = 1; k < arguments.size(); k += 2) {
        const std::string &name = arguments[k];
        if (k + 1 >= arguments.size())
            return refused(filled(translated("Trf", "%1: нет значения"), {name}) + "\n" +
                           generateUsage());
        const std::string &value = arguments[k + 1];
        if (name == "--tie-breaks") {
            std::istringstream words(value);
            options.tieBreaks.clear();
            for (std::string code; words >> code;) {
                const auto tb = tieBreakFromCode(code);
                if (!tb)
                    return refused(notTieBreak("--tie-breaks", code));
                options.tieBreaks.push_back(*tb);
            }
            continue;
        }
        const auto number =
            wholeNumber(value, 0, name == "--seed" ? std::numeric_limits<long long>::max() : 1000);
        if (!number)
            return refused(filled(translated("Trf", "%1: %2 — не число в допустимых пределах"),
                                  {name, value}));
        if (name == "--players")
            options.players = int(*number), players = true;
        else if (name == "--cycles")
            options.cycles = int(*number), cycles = true;
        else if (name == "--seed")
            options.seed = std::uint64_t(*number), seed = true;
        else if (name == "--draws")
            options.drawPercent = int(*number);
        else if (name == "--forfeits")
            options.forfeitPercent = int(*number);
        else if (name == "--unplayed")
            options.unplayedPercent = int(*number);
        else if (name == "--withdrawals")
            options.withdrawals = int(*number);
        else
            return refused(filled(translated("Trf", "%1 — не параметр --generate"), {name}) + "\n" +
                           generateUsage());
    }
    if (!players || !cycles || !seed)
        return refused(translated("Trf", "нужны --players, --cycles и --seed") + "\n" +
                       generateUsage());
    const std::vector<std::string> faults = optionFaults(options);
    if (!faults.empty())
        return refused(faults.front());
    return {0, exportTrf(randomTournament(options)), {}};
}

} // namespace

std::optional<CommandOutcome> runTrfCommand(const std::vector<std::string> &arguments)
{
    if (arguments.empty())
        return std::nullopt;
    if (arguments.front() == "--check")
        return check(arguments);
    if (arguments.front() == "--generate")
        return generate(arguments);
    return std::nullopt;
}

} // namespace krugovik
