#include "export/report_command.h"

#include <fstream>
#include <iterator>

#include "common/texts.h"
#include "export/fide_snapshot.h"
#include "rating/fide_report.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "trf/trf_import.h"
#include "trf/trf_reader.h"

namespace krugovik {
namespace {

CommandOutcome refused(const std::string &why)
{
    return {2, {}, "krugovik: " + why + '\n'};
}

// The tournament file as read once, a TRF made into one; an error when neither reads.
// A TRF is tried first: its first line, "012 …", would read as a count of 12 players.
std::optional<FileDescription> tournamentFile(const std::string &path, const std::string &bytes,
                                              std::string &why)
{
    const TrfReadResult read = readTrf(bytes);
    if (!read.ok() || read.file.players.empty()) {
        if (FileDescription file = describeTournamentFile(bytes);
            file.kind == FileKind::Tournament) {
            if (const std::string &error = file.extension.error; !error.empty()) {
                why = path + ": " + error;
                return std::nullopt;
            }
            return file;
        }
        const TrfError e = read.ok() ? TrfError{} : read.errors.front();
        why = path + (e.line > 0 ? ":" + std::to_string(e.line) : std::string()) + ": " +
              (e.reason.empty() ? translated("Report", "ни TRF, ни файл турнира") : e.reason);
        return std::nullopt;
    }
    TrfError error;
    bool ok = false;
    const ImportedTournament imported = importTrf(read.file, error, ok);
    if (!ok) {
        why = path + (error.line > 0 ? ":" + std::to_string(error.line) : std::string()) + ": " +
              error.reason;
        return std::nullopt;
    }
    return describeTournamentFile(imported.fileBytes());
}

} // namespace

std::optional<CommandOutcome> runReportCommand(const std::vector<std::string> &arguments,
                                               int thisYear)
{
    if (arguments.empty() || arguments.front() != "--report")
        return std::nullopt;
    if (arguments.size() != 2)
        return refused(translated("Report", "использование: krugovik --report ФАЙЛ"));
    const std::string &path = arguments[1];
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refused(filled(translated("Trf", "%1: файл не читается"), {path}));
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string why;
    const std::optional<FileDescription> file = tournamentFile(path, bytes, why);
    if (!file)
        return refused(why);
    Tournament tournament;
    tournament.load(*file);
    TournamentSnapshot snapshot = tournament.snapshot(std::string(), std::string());
    FideEvent event = fideEventOf(snapshot);
    if (event.year == 0)
        event.year = thisYear;
    return CommandOutcome{0, fideReportText(event), {}};
}

} // namespace krugovik
