// The domain code's words in English: every reason a director reads when a tournament
// file, a TRF, a rating list or the base is refused comes out of the translation whole,
// with every marker filled; without a translator the Russian stays as it was.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <zip.h>

#include "base/base_file.h"
#include "base/list_file_reader.h"
#include "base/name_check.h"
#include "base/rating_list_store.h"
#include "common/file_layer.h"
#include "common/number_text.h"
#include "export/trf_export.h"
#include "rounds/round_names.h"
#include "support/catalogue.h"
#include "table/tournament_file.h"
#include "table/tournament_store.h"
#include "trf/random_tournament.h"
#include "trf/trf_check.h"
#include "trf/trf_command.h"
#include "trf/trf_import.h"
#include "trf/trf_reader.h"
#include "ui/table_texts.h"

using namespace krugovik;

namespace {

// What a director reads in English: some text, no Cyrillic letter, no marker left.
::testing::AssertionResult readsInEnglish(const std::string &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    static const QRegularExpression marker(QStringLiteral("%[0-9n]"));
    const QString shown = QString::fromStdString(text);
    if (shown.trimmed().isEmpty())
        return ::testing::AssertionFailure() << "nothing to read";
    if (shown.contains(cyrillic))
        return ::testing::AssertionFailure() << "Russian left in \"" << text << '"';
    if (shown.contains(marker))
        return ::testing::AssertionFailure() << "a marker left in \"" << text << '"';
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult readsInEnglish(const QString &text)
{
    return readsInEnglish(text.toStdString());
}

class English : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_english.load(QStringLiteral(":/i18n/krugovik_en.qm")));
        ASSERT_TRUE(QCoreApplication::installTranslator(&m_english));
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_english); }

  private:
    QTranslator m_english;
};

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// Three players, one cycle, as the program writes them; an extension may follow.
const std::string kThree = " 3 \r\nA\r\n 1 \r\n1500\r\n 1000 \r\n1\r\n0\r\n"
                           "B\r\n 2 \r\n1600\r\n 1000 \r\n0\r\n1\r\n"
                           "C\r\n 3 \r\n1700\r\n 1000 \r\n1\r\n0\r\n";

std::string withExtension(const std::vector<std::string> &lines)
{
    return kThree + joined(lines);
}

// The results of a second cycle of three players: six cells, the given first.
std::vector<std::string> secondCycle(std::vector<std::string> first)
{
    std::vector<std::string> lines = {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2"};
    first.resize(6);
    lines.insert(lines.end(), first.begin(), first.end());
    lines.push_back("*END 9");
    return lines;
}

struct Refusal {
    const char *what;
    std::function<std::string()> reason;
    std::string shows; // a part of the input the reason must repeat
};

void expectEnglishReasons(const std::vector<Refusal> &cases)
{
    for (const Refusal &c : cases) {
        const std::string reason = c.reason();
        EXPECT_TRUE(readsInEnglish(reason)) << c.what;
        EXPECT_NE(reason.find(c.shows), std::string::npos) << c.what << ": " << reason;
    }
}

std::string extensionError(const std::vector<std::string> &lines)
{
    return readFileExtension(withExtension(lines), 3).error;
}

TEST_F(English, BrokenTournamentFilesAreRefusedInEnglish)
{
    const std::string tooLarge = kThree + std::string(17 * 1024 * 1024, 'x');
    expectEnglishReasons({
        {"binary data", [] { return foreignFileReason(std::string("\x01\x02\x03", 3)); }, ""},
        {"no count", [] { return foreignFileReason("hello\r\n"); }, ""},
        {"count out of range", [] { return foreignFileReason(" 40000 \r\n"); }, "40000"},
        {"a newer version",
         [] {
             return extensionError({"*KRUGOVIK 3", "*END 0"});
         },
         "*KRUGOVIK 3"},
        {"no *END",
         [] {
             return extensionError({"*KRUGOVIK 2", "CYCLES 2"});
         },
         "*END"},
        {"a wrong count of lines",
         [] {
             return extensionError({"*KRUGOVIK 2", "CYCLES 2", "*END 7"});
         },
         "*END"},
        {"an unknown section",
         [] {
             return extensionError({"*KRUGOVIK 2", "COLOURS 2", "*END 1"});
         },
         "COLOURS 2"},
        {"a section out of order",
         [] {
             return extensionError({"*KRUGOVIK 2", "TIEBREAKS DE", "CYCLES 2", "*END 2"});
         },
         "CYCLES 2"},
        {"a number out of range",
         [] {
             return extensionError({"*KRUGOVIK 2", "CYCLES 5", "REVERSE 1", "*END 2"});
         },
         "CYCLES 5"},
        {"an unknown tie-break",
         [] {
             return extensionError({"*KRUGOVIK 2", "TIEBREAKS DE XYZ", "*END 1"});
         },
         "XYZ"},
        {"a broken identity",
         [] {
             return extensionError({"*KRUGOVIK 2", "IDENTITY junk", "*END 1"});
         },
         "IDENTITY junk"},
        {"results cut short",
         [] {
             return extensionError(
                 {"*KRUGOVIK 2", "CYCLES 2", "REVERSE 1", "RESULTS 2", "", "", "", "*END 6"});
         },
         "2"},
        {"a cycle missing",
         [] {
             std::vector<std::string> lines = secondCycle({});
             lines[1] = "CYCLES 3";
             return extensionError(lines);
         },
         "3"},
        {"no REVERSE",
         [] {
             std::vector<std::string> lines = secondCycle({});
             lines.erase(lines.begin() + 2);
             lines.back() = "*END 8";
             return extensionError(lines);
         },
         "REVERSE"},
        {"results that do not mirror",
         [] {
             return extensionError(secondCycle({"1", "", "1"}));
         },
         "2"},
        {"a result that is none", [] { return extensionError(secondCycle({"7"})); }, "7"},
        {"an unknown detail",
         [] {
             return extensionError({"*KRUGOVIK 2", "EVENT COLOUR RED", "*END 1"});
         },
         "EVENT COLOUR RED"},
        {"a detail twice",
         [] {
             return extensionError({"*KRUGOVIK 2", "EVENT TITLE A", "EVENT TITLE B", "*END 2"});
         },
         "EVENT TITLE B"},
        {"a wrong value",
         [] {
             return extensionError({"*KRUGOVIK 2", "EVENT FEDERATION rus", "*END 1"});
         },
         "rus"},
        {"read back: not a tournament",
         [] { return readBackProblem(std::string("\x01\x02\x03", 3)); }, ""},
        {"read back: too large", [&] { return readBackProblem(tooLarge); }, ""},
        {"read back: a broken extension",
         [] {
             return readBackProblem(withExtension({"*KRUGOVIK 2", "COLOURS 2", "*END 1"}));
         },
         "COLOURS 2"},
        {"read back: another table",
         [] { return readBackProblem("3\r\nA\r\n1\r\n1500\r\n1000\r\n1\r\n0\r\n"); }, ""},
    });
}

TEST_F(English, AFileUnreadAtLoadIsNamedSoBeforeItIsReplaced)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("broken.tur"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(withExtension({"*KRUGOVIK 2", "COLOURS 2", "*END 1"})));
    file.close();
    FileLayer files;
    TournamentStore store(&files);
    const TournamentStore::Opening opening = store.open(path);
    ASSERT_EQ(opening.state, TournamentStore::Opening::State::Broken);
    EXPECT_TRUE(readsInEnglish(opening.reason));
    EXPECT_TRUE(readsInEnglish(store.checkSave().unreadable));
}

// A 001 line: fields at their columns, then the rounds, each "opp c r".
std::string playerLine(int number, const std::string &points, int rank,
                       const std::vector<std::string> &rounds)
{
    std::string line(89, ' ');
    line.replace(0, 3, "001");
    const std::string start = std::to_string(number);
    line.replace(8 - start.size(), start.size(), start);
    line.replace(14, 6, "Player");
    line.replace(84 - points.size(), points.size(), points);
    const std::string place = std::to_string(rank);
    line.replace(89 - place.size(), place.size(), place);
    for (const std::string &round : rounds)
        line += "  " + round;
    return line;
}

// Three players who all drew, in the Berger table's pairings.
const std::string kHead = "012 Test\r\n142 3\r\n";
const std::string kP1 = playerLine(1, "1.0", 1, {"0000 - Z", "   2 w =", "   3 b ="});
const std::string kP2 = playerLine(2, "1.0", 1, {"   3 w =", "   1 b =", "0000 - Z"});
const std::string kP3 = playerLine(3, "1.0", 1, {"   2 b =", "0000 - Z", "   1 w ="});

std::string trf(const std::string &p1, const std::string &p2 = kP2, const std::string &p3 = kP3)
{
    return kHead + p1 + "\r\n" + p2 + "\r\n" + p3 + "\r\n";
}

std::string with(std::string line, std::size_t column, const std::string &text)
{
    line.replace(column - 1, text.size(), text);
    return line;
}

std::string readError(const std::string &text)
{
    const TrfReadResult read = readTrf(text);
    return read.ok() ? std::string() : read.errors.front().reason;
}

// Every fault the checker finds, one text; a file the reader refuses gives nothing.
std::string checkFaults(const std::string &text)
{
    const TrfReadResult read = readTrf(text);
    if (!read.ok())
        return {};
    std::string all;
    for (const std::string &fault : checkTrf(read.file))
        all += fault + '\n';
    return all;
}

TEST_F(English, BrokenTrfsAreRefusedInEnglish)
{
    std::string longLine = kP1;
    for (int r = 0; r < 198; ++r)
        longLine += "  0000 - Z";
    expectEnglishReasons({
        {"no players", [] { return readError(kHead); }, "001"},
        {"a starting rank", [] { return readError(trf(with(kP1, 5, "  x1"))); }, "5-8"},
        {"a rating", [] { return readError(trf(with(kP1, 49, "12a4"))); }, "49-52"},
        {"points", [] { return readError(trf(with(kP1, 81, "1.3 "))); }, "81-84"},
        {"a rank", [] { return readError(trf(with(kP1, 86, "  x1"))); }, "86-89"},
        {"too many rounds", [&] { return readError(trf(longLine)); }, "200"},
        {"a round off its columns", [] { return readError(trf(with(kP1, 96, "x"))); }, "1"},
        {"an opponent", [] { return readError(trf(with(kP1, 92, "00x0"))); }, "1"},
        {"a colour", [] { return readError(trf(with(kP1, 97, "r"))); }, "'r'"},
        {"a result", [] { return readError(trf(with(kP1, 99, "x"))); }, "'x'"},
        {"no colour", [] { return readError(trf(with(kP1, 107, " "))); }, "2"},
        {"himself", [] { return readError(trf(with(kP1, 105, "1"))); }, "2"},
        {"a control character", [] { return readError(trf(kP1 + "\x01")); }, ""},
        {"a short line", [] { return readError("01\r\n" + trf(kP1)); }, ""},
        {"no blank after the code", [] { return readError("012Test\r\n" + trf(kP1)); }, ""},
        {"a rank twice", [] { return readError(trf(kP1, kP2, kP2)); }, "2"},
        {"a rank missing", [] { return readError(kHead + kP1 + "\r\n" + kP3 + "\r\n"); }, "2"},
        {"142 no number", [] { return readError("142 x\r\n" + kP1 + "\r\n"); }, "142"},
        {"142 too few", [] { return readError("142 2\r\n" + kP1 + "\r\n" + kP2 + "\r\n" + kP3); },
         "142"},
        {"an opponent without a line", [] { return readError(trf(with(kP1, 102, "   9"))); }, "9"},
        {"an opponent who disagrees", [] { return readError(trf(kP1, with(kP2, 105, "3"))); },
         "player 2"},
        {"one colour", [] { return readError(trf(with(kP1, 107, "b"))); }, "2"},
        {"results that disagree", [] { return readError(trf(with(kP1, 109, "1"))); }, "player 2's"},
    });
}

// A generated file of six players, each of its lines apart.
std::vector<std::string> sixPlayers()
{
    RandomTournamentOptions o;
    o.players = 6;
    o.seed = 5;
    const std::string text = exportTrf(randomTournament(o));
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string &lineOf(std::vector<std::string> &lines, int player)
{
    for (std::string &line : lines) {
        if (line.rfind("001", 0) == 0 && std::stoi(line.substr(4, 4)) == player)
            return line;
    }
    throw std::out_of_range("no such player");
}

TEST_F(English, TrfsThatAreNoRoundRobinOfTheProgramAreToldInEnglish)
{
    const std::string swapped = trf(with(kP1, 107, "b"), with(kP2, 107, "w"));
    expectEnglishReasons({
        {"two players",
         [] {
             return checkFaults(kHead + playerLine(1, "1.0", 1, {"   2 w 1"}) + "\r\n" +
                                playerLine(2, "0.0", 2, {"   1 b 0"}) + "\r\n");
         },
         "2"},
        {"rounds of no cycle",
         [] {
             std::string text = trf(kP1);
             text.replace(text.find("142 3"), 5, "142 4");
             return checkFaults(text);
         },
         "4"},
        {"a Swiss", [] { return checkFaults("192 FIDE_SWISS\r\n" + trf(kP1)); }, "FIDE_SWISS"},
        {"202 unknown", [] { return checkFaults("202 BH\r\n" + trf(kP1)); }, "BH"},
        {"212 without the score", [] { return checkFaults("212 DE\r\n" + trf(kP1)); }, "PTS"},
        {"212 unknown", [] { return checkFaults("212 PTS BH\r\n" + trf(kP1)); }, "BH"},
        {"212 against 202", [] { return checkFaults("202 DE\r\n212 PTS SB\r\n" + trf(kP1)); },
         "212"},
        {"met twice",
         [] {
             return checkFaults(
                 kHead + playerLine(1, "1.0", 1, {"0000 - Z", "   2 w =", "   2 b ="}) + "\r\n" +
                 playerLine(2, "1.5", 1, {"   3 w =", "   1 b =", "   1 w ="}) + "\r\n" +
                 playerLine(3, "0.5", 3, {"   2 b =", "0000 - Z", "0000 - Z"}) + "\r\n");
         },
         "2"},
        {"colours reversed", [&] { return checkFaults(swapped); }, "1-2"},
        {"not the Berger table's pairs",
         [&] {
             TrfError why;
             bool ok = true;
             importTrf(readTrf(swapped).file, why, ok);
             EXPECT_FALSE(ok);
             return why.reason;
         },
         "2"},
        {"a wrong place",
         [] {
             std::vector<std::string> lines = sixPlayers();
             lineOf(lines, 2).replace(85, 4, "  99");
             return checkFaults(joined(lines));
         },
         "99"},
        {"a wrong place without a list",
         [] {
             std::vector<std::string> lines = sixPlayers();
             std::erase_if(lines, [](const std::string &line) {
                 return line.rfind("202", 0) == 0 || line.rfind("212", 0) == 0;
             });
             lineOf(lines, 2).replace(85, 4, "  99");
             return checkFaults(joined(lines));
         },
         "99"},
        {"wrong points",
         [] {
             std::vector<std::string> lines = sixPlayers();
             lineOf(lines, 3).replace(80, 4, "99.5");
             return checkFaults(joined(lines));
         },
         "3"},
    });
}

TEST_F(English, TheCommandLineSpeaksEnglish)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("event.trf")).toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(trf(kP1)));
    file.close();
    using Arguments = std::vector<std::string>;
    const auto said = [](const Arguments &arguments) {
        const std::optional<CommandOutcome> outcome = runTrfCommand(arguments);
        return outcome ? outcome->output + outcome->errors : std::string();
    };
    const Arguments base = {"--generate", "--players", "5", "--cycles", "1", "--seed", "1"};
    const auto plus = [&](const Arguments &more) {
        Arguments arguments = base;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    };
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"--check"}, "--check"},
        {{"--check", path + ".missing"}, "event.trf.missing"},
        {{"--check", path}, "event.trf"},
        {{"--generate", "--players"}, "--players"},
        {{"--generate", "--players", "5"}, "--seed"},
        {plus({"--tie-breaks", "DE BH"}), "BH"},
        {plus({"--colour", "1"}), "--colour"},
        {plus({"--draws", "x"}), "--draws"},
        {{"--generate", "--players", "2", "--cycles", "1", "--seed", "1"}, "--players"},
        {{"--generate", "--players", "5", "--cycles", "5", "--seed", "1"}, "--cycles"},
        {plus({"--draws", "101"}), "--draws"},
        {plus({"--draws", "70", "--forfeits", "40"}), "--forfeits"},
        {plus({"--withdrawals", "4"}), "--withdrawals"},
        {plus({"--tie-breaks", " "}), "--tie-breaks"},
    };
    for (const auto &[arguments, shows] : cases) {
        const std::string text = said(arguments);
        EXPECT_TRUE(readsInEnglish(text)) << arguments.back();
        EXPECT_NE(text.find(shows), std::string::npos) << text;
    }
}

TEST_F(English, RoundsAndCountsAreEnglish)
{
    EXPECT_EQ(playerCountText(1), "1 player");
    EXPECT_EQ(playerCountText(8), "8 players");
    EXPECT_EQ(playerCountText(21), "21 players");
    EXPECT_EQ(playerCountText(22), "22 players");
    EXPECT_EQ(roundName(4, 1, 2), "Round 2");
    EXPECT_EQ(roundName(4, 2, 4), "Round 4 (cycle 2, round 1)");
    // With two cycles the fourth header of a cycle of three rounds selects nothing; with
    // one it is the empty round of an even count.
    EXPECT_TRUE(readsInEnglish(headerRoundTip(TableGeometry{4, 2}, 8)));
    EXPECT_NE(headerRoundTip(TableGeometry{4, 2}, 8).find('1'), std::string::npos);
    EXPECT_TRUE(readsInEnglish(headerRoundTip(TableGeometry{4, 1}, 8)));
    EXPECT_NE(headerRoundTip(TableGeometry{4, 1}, 8).find('4'), std::string::npos);
}

TEST_F(English, TheNameCheckAsksInEnglish)
{
    const std::string question =
        mismatchQuestion({{3, "Ivanov Petr", "Alekseev Boris"}, {12, "Li An", ""}});
    EXPECT_TRUE(readsInEnglish(question));
    EXPECT_NE(question.find("Alekseev Boris"), std::string::npos) << question;
    EXPECT_NE(question.find("12"), std::string::npos) << question;
    // A line of its own for each row.
    EXPECT_NE(question.find("\n", question.find("Alekseev Boris")), std::string::npos);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A .zip holding the given members, written with libzip.
void writeZip(const QString &path, const std::vector<std::pair<std::string, std::string>> &members)
{
    int code = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    for (const auto &[name, content] : members) {
        zip_source_t *source = zip_source_buffer(archive, content.data(), content.size(), 0);
        ASSERT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

TEST_F(English, BrokenRatingListsAreRefusedInEnglish)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    writeFile(dir.filePath(QStringLiteral("noheader.txt")), "12345 Somebody 2400\n");
    writeFile(dir.filePath(QStringLiteral("broken.xml")),
              "<playerslist><player><fideid>1</fideid></playerslist>");
    writeFile(dir.filePath(QStringLiteral("broken.zip")), QByteArray("PK\x03\x04", 4) + "junk");
    writeZip(dir.filePath(QStringLiteral("nolist.zip")), {{"readme.md", "no list here"}});
    writeFile(dir.filePath(QStringLiteral("list.pdf")), "%PDF-1.4");
    writeFile(dir.filePath(QStringLiteral("nobody.csv")), "Name;Rating\n;\n;x\n");
    const std::atomic_bool cancel = false;
    const auto readError = [&](const char *name) {
        return readListFile(
                   dir.filePath(QString::fromLatin1(name)), CsvColumns{}, [](const ListPlayer &) {},
                   {}, cancel)
            .error;
    };
    const auto formatError = [&](const char *name) {
        ListFormat format;
        QString error;
        EXPECT_FALSE(listFormatOf(dir.filePath(QString::fromLatin1(name)), format, error));
        return error;
    };
    const auto importError = [&](const QString &into, const char *name) {
        return importList(into, ListKind::National, QStringLiteral("Federation"),
                          dir.filePath(QString::fromLatin1(name)), CsvColumns{}, {}, cancel)
            .error;
    };
    // The folder of the lists, or the place of the list, taken by something else.
    writeFile(dir.filePath(QStringLiteral("taken")), "a file");
    const QString lists = dir.filePath(QStringLiteral("lists"));
    ASSERT_TRUE(dir.mkpath(RatingListStore(lists).fileOf(ListKind::National) + "/in-the-way"));
    const std::vector<std::pair<QString, QString>> cases = {
        {readError("noheader.txt"), "ID Number"},
        {readError("broken.xml"), "XML"},
        {readError("broken.zip"), ""},
        {readError("nolist.zip"), ".csv"},
        {readError("list.pdf"), ""},
        {formatError("list.pdf"), ".zip"},
        {importError(lists, "nobody.csv"), ""},
        {importError(dir.filePath(QStringLiteral("taken/lists")), "nobody.csv"), "taken"},
    };
    for (const auto &[error, shows] : cases) {
        EXPECT_TRUE(readsInEnglish(error));
        EXPECT_TRUE(error.contains(shows)) << error.toStdString();
    }
    // Every row of a list that reads is someone; the place of the new list is a folder.
    writeFile(dir.filePath(QStringLiteral("one.csv")), "Name;Rating\nSomebody;2400\n");
    CsvColumns columns;
    columns[CsvField::Name] = 0;
    columns[CsvField::Rating] = 1;
    const QString replacing =
        importList(lists, ListKind::National, QStringLiteral("Federation"),
                   dir.filePath(QStringLiteral("one.csv")), columns, {}, cancel)
            .error;
    EXPECT_TRUE(readsInEnglish(replacing));
    EXPECT_TRUE(replacing.contains(QStringLiteral("federation-list"))) << replacing.toStdString();
}

TEST_F(English, TheBaseRefusesInEnglish)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("BASE.DAT"));
    PlayerRecord record;
    record.name = "Somebody";
    std::vector<std::pair<const char *, QString>> errors;

    BaseFile closed;
    EXPECT_FALSE(closed.write(1, record));
    errors.emplace_back("a base never opened", closed.errorText());

    BaseFile aFolder;
    EXPECT_FALSE(aFolder.open(folder.path()));
    errors.emplace_back("a folder in the base's place", aFolder.errorText());

    BaseFile base;
    ASSERT_TRUE(base.open(path));
    EXPECT_FALSE(base.write(0, record));
    errors.emplace_back("record 0", base.errorText());
    {
        // Another program holds the lock of the base while this one would write.
        QLockFile other(path + BaseFile::kLockSuffix);
        ASSERT_TRUE(other.tryLock(0));
        EXPECT_FALSE(base.write(1, record));
        errors.emplace_back("a base in use", base.errorText());
    }

    BaseFile readOnly;
    ASSERT_TRUE(readOnly.open(path, QStringLiteral("for a test")));
    EXPECT_FALSE(readOnly.write(1, record));
    errors.emplace_back("a base open for reading", readOnly.errorText());
    EXPECT_TRUE(readOnly.errorText().contains(QStringLiteral("for a test")));

    for (const auto &[what, error] : errors)
        EXPECT_TRUE(readsInEnglish(error)) << what;
}

// Without a translator the sentences made from patterns read as they always did.
TEST(Russian, SentencesMadeFromPatternsStayAsTheyWere)
{
    std::vector<std::string> lines = sixPlayers();
    lineOf(lines, 2).replace(85, 4, "  99");
    const std::pair<std::string, std::string> cases[] = {
        {extensionError({"*KRUGOVIK 2", "CYCLES 2", "*END 7"}),
         "в дополнении файла 1 строк, а строка *END называет другое число"},
        {extensionError(secondCycle({"1", "", "1"})),
         "в дополнении файла в цикле 2 результаты партии 1-2 не согласованы"},
        {extensionError(secondCycle({"7"})),
         "в дополнении файла в цикле 2 результат «7» не из шести возможных"},
        {extensionError({"*KRUGOVIK 2", "EVENT FEDERATION rus", "*END 1"}),
         "в дополнении файла в строке «EVENT FEDERATION rus» неверное значение"},
        {foreignFileReason(" 40000 \r\n"), "число участников 40000 вне пределов от 3 до 22"},
        {readBackProblem(std::string("\x01\x02\x03", 3)),
         "он не похож на файл турнира: в нём двоичные данные"},
        {checkFaults(kHead + playerLine(1, "1.0", 1, {"   2 w 1"}) + "\r\n" +
                     playerLine(2, "0.0", 2, {"   1 b 0"}) + "\r\n"),
         "2 игрока, а в круговом турнире их 3-22\n"},
        {checkFaults(trf(with(kP1, 107, "b"), with(kP2, 107, "w"))),
         "тур 2: в паре 1-2 цвета наоборот, по таблице Бергера белыми играет 1\n"},
        {checkFaults(joined(lines)).substr(0, checkFaults(joined(lines)).find(" — ")),
         "игрок 2: в файле место 99, по очкам и DE WIN SB KS"},
        {readError(trf(with(kP1, 109, "1"))), "тур 2: результат расходится с записью игрока 2"},
        {readError(trf(with(kP1, 97, "r"))), "тур 1: неизвестный цвет 'r'"},
        {roundName(4, 2, 4), "Тур 4 (2-й цикл, тур 1)"},
        {headerRoundTip(TableGeometry{4, 2}, 8), "1-й цикл: тура с этим номером нет"},
        {headerRoundTip(TableGeometry{4, 1}, 8), "Тур 4: в расписании нет партий"},
        {runTrfCommand(
             {"--generate", "--players", "5", "--cycles", "1", "--seed", "1", "--draws", "101"})
             ->errors,
         "krugovik: --draws: процент, от 0 до 100\n"},
    };
    for (const auto &[shown, expected] : cases)
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(playerCountText(1), "1 игрок");
    EXPECT_EQ(playerCountText(3), "3 игрока");
    EXPECT_EQ(playerCountText(8), "8 игроков");
}

// The contexts of the domain code in the catalogue: every message translated, with the
// markers of its source, and no Russian left in it.
TEST(Catalogue, EveryMessageOfTheDomainCodeIsTranslated)
{
    const QSet<QString> contexts = {"TournamentFile", "RecoveryCopy", "BaseFile", "RatingList",
                                    "NameCheck",      "Trf",          "Rounds",   "Counts"};
    int seen = 0;
    const QStringList problems =
        testing_support::catalogueProblems(QStringLiteral(KRUGOVIK_TS_FILE), contexts, &seen);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    // Far fewer would mean the contexts were renamed and this looks at nothing.
    EXPECT_GT(seen, 80);
}

} // namespace
