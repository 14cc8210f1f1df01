#include "trf/trf_command.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "export/trf_export.h"
#include "trf/random_tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_reader.h"

namespace krugovik {
namespace {

constexpr const char *kGenerateUsage =
    "использование: krugovik --generate --players N --cycles C --seed S [--draws P] [--forfeits "
    "P]\n"
    "       [--unplayed P] [--withdrawals K] [--tie-breaks \"DE WIN SB KS\"]\n";

CommandOutcome refused(std::string why)
{
    return {2, {}, "krugovik: " + why + '\n'};
}

CommandOutcome check(const std::vector<std::string> &arguments)
{
    if (arguments.size() != 2)
        return refused("использование: krugovik --check ФАЙЛ.trf");
    const std::string &path = arguments[1];
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refused(path + ": файл не читается");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TrfReadResult read = readTrf(text);
    if (!read.ok()) {
        const TrfError &e = read.errors.front();
        return refused(path + (e.line > 0 ? ":" + std::to_string(e.line) : std::string()) + ": " +
                       e.reason);
    }
    CommandOutcome outcome;
    const std::vector<std::string> faults = checkTrf(read.file);
    for (const std::string &fault : faults)
        outcome.output += path + ": " + fault + '\n';
    if (faults.empty())
        outcome.output += path + ": согласован\n";
    outcome.status = faults.empty() ? 0 : 1;
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
            return refused(name + ": нет значения\n" + kGenerateUsage);
        const std::string &value = arguments[k + 1];
        if (name == "--tie-breaks") {
            std::istringstream words(value);
            options.tieBreaks.clear();
            for (std::string code; words >> code;) {
                const auto tb = tieBreakFromCode(code);
                if (!tb)
                    return refused("--tie-breaks: " + code + " — не показатель кругового турнира");
                options.tieBreaks.push_back(*tb);
            }
            continue;
        }
        const auto number =
            wholeNumber(value, 0, name == "--seed" ? std::numeric_limits<long long>::max() : 1000);
        if (!number)
            return refused(name + ": " + value + " — не число в допустимых пределах");
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
            return refused(name + " — не параметр --generate\n" + kGenerateUsage);
    }
    if (!players || !cycles || !seed)
        return refused(std::string("нужны --players, --cycles и --seed\n") + kGenerateUsage);
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
