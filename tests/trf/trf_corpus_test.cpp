// Real TRF files from other projects, each with the outcome the checker and the import
// must give it (tests/trf/corpus/EXPECTED): a change in reading shows as a changed outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "trf/trf_check.h"
#include "trf/trf_command.h"
#include "trf/trf_import.h"
#include "trf/trf_numbering.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

const std::filesystem::path kCorpus = KRUGOVIK_TRF_CORPUS_DIR;

struct Expected {
    std::string check;  // consistent, faults, out-of-scope or unreadable
    std::string import; // the number of players, or refused
};

// The table: a file relative to the corpus, then its two outcomes; # starts a comment.
std::map<std::string, Expected> expectedTable()
{
    std::map<std::string, Expected> table;
    std::ifstream in(kCorpus / "EXPECTED");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string file;
        Expected e;
        words >> file >> e.check >> e.import;
        table[file] = e;
    }
    return table;
}

std::string bytesOf(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string checkOutcome(const std::filesystem::path &path)
{
    const CommandOutcome outcome = runTrfCommand({"--check", path.string()}).value();
    switch (outcome.status) {
    case 0:
        return "consistent";
    case 1:
        return "faults";
    default:
        return readTrf(bytesOf(path)).ok() ? "out-of-scope" : "unreadable";
    }
}

// As «Открыть TRF…» takes a file: read, renumbered where the table needs it, imported.
std::string importOutcome(const std::filesystem::path &path)
{
    const TrfReadResult read = readTrf(bytesOf(path));
    if (!read.ok() || outOfScope(read.file))
        return "refused";
    const auto renumbering = bergerRenumbering(read.file);
    if (!renumbering)
        return "refused";
    TrfError why;
    bool ok = false;
    const ImportedTournament imported = importTrf(renumbered(read.file, *renumbering), why, ok);
    return ok ? std::to_string(imported.players.size()) : "refused";
}

TEST(RealFiles, GiveTheOutcomesTheTableExpects)
{
    const auto table = expectedTable();
    ASSERT_GE(table.size(), 20u);
    for (const auto &[file, expected] : table) {
        const std::filesystem::path path = kCorpus / file;
        ASSERT_TRUE(std::filesystem::exists(path)) << file;
        EXPECT_EQ(checkOutcome(path), expected.check) << file;
        EXPECT_EQ(importOutcome(path), expected.import) << file;
    }
}

// Every file of the corpus has its line in the table and in the manifest.
TEST(RealFiles, EachIsListedWithItsSource)
{
    const auto table = expectedTable();
    const std::string manifest = bytesOf(kCorpus / "MANIFEST");
    int files = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(kCorpus)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".trf" && ext != ".input")
            continue;
        ++files;
        const std::string file = entry.path().lexically_relative(kCorpus).generic_string();
        EXPECT_EQ(table.count(file), 1u) << file;
        EXPECT_NE(manifest.find(file + ' '), std::string::npos) << file;
    }
    EXPECT_EQ(files, int(table.size()));
}

} // namespace
