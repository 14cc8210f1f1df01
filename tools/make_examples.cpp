// Writes the sample base and two tournaments into a folder: make_examples DIR.
// KUBOK.TXT is a finished ten-player junior event, PERVENSTVO.TXT a seven-player one
// after round 4. Names are made up; results are drawn from the ratings as a real event's
// fall out, from a fixed seed, so every run writes the same bytes.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "base/player_record.h"
#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/number_text.h"
#include "rating/game_notation.h"
#include "rating/rating_correction.h"
#include "rounds/berger_schedule.h"
#include "table/tournament_file.h"
#include "table/tournament_store.h"

using namespace krugovik;

namespace {

struct Junior {
    const char *name; // UTF-8
    int rating;
    bool estimate; // rating is a category's initial estimate
};

const Junior kJuniors[] = {
    {"Абрамов Артём", 1712, false}, {"Белова Арина", 1588, false},  {"Воронин Денис", 1845, false},
    {"Гусева Полина", 1500, true},  {"Дмитриев Илья", 1930, false}, {"Егорова Софья", 1463, false},
    {"Жданов Максим", 1550, true},  {"Зуева Алиса", 1625, true},    {"Исаев Тимур", 2041, false},
    {"Климова Ева", 1377, false},   {"Лебедев Роман", 1150, true},  {"Морозова Дарья", 1702, false},
    {"Никитин Фёдор", 1819, false}, {"Орлова Ксения", 1350, true},  {"Павлов Кирилл", 1604, false},
    {"Романова Вика", 1775, true},  {"Соколов Лев", 1000, true},    {"Тарасова Мила", 1541, false},
    {"Устинов Марк", 1688, false},  {"Фролова Нина", 1850, true},   {"Хохлов Артур", 1925, true},
    {"Цветкова Яна", 1419, false},  {"Чернов Глеб", 1733, false},   {"Шилова Лиза", 1299, false},
    {"Щербаков Ян", 2025, true},    {"Эминов Рустам", 1866, false}, {"Юдина Вера", 1508, false},
    {"Яковлев Степан", 1825, true}, {"Агеев Борис", 1591, false},   {"Богданова Катя", 1655, false},
    {"Васин Олег", 1727, true},     {"Горина Таня", 1700, true},    {"Дроздов Миша", 1480, false},
    {"Ершова Лада", 1362, false},   {"Жуков Пётр", 1350, true},     {"Захарова Оля", 1500, true},
    {"Ильин Саша", 1956, false},    {"Карпова Зоя", 1611, false},   {"Лосев Ваня", 1771, false},
    {"Миронова Аня", 1444, false},
};

// A game of the schedule that was not played: the winner's opponent did not come.
struct Forfeit {
    int round;
    int winner; // table rows
    int loser;
};

// One sample tournament: which base records play, how far it has got, which games were
// not played (a player ill or late), and the seed of its results.
struct Event {
    const char *fileName;
    int firstRecord;  // 1-based base record of table row 1; the rows follow in order
    int players;      // 3..22
    int roundsPlayed; // rounds of the Berger schedule that have results
    std::vector<Forfeit> forfeits;
    std::uint64_t seed;
};

// A small deterministic generator (SplitMix64), the same on every platform.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : m_state(seed) {}
    double next() // uniform in [0, 1)
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) / double(1ull << 53);
    }

  private:
    std::uint64_t m_state;
};

// A played game between juniors of these ratings, first against second: the expected
// score decides, and close games are drawn more often than lopsided ones.
GameState playedGame(int first, int second, Dice &dice)
{
    const double expected = 1.0 / (1.0 + std::pow(10.0, (second - first) / 400.0));
    const double drawShare = 0.32 * (1.0 - std::abs(2.0 * expected - 1.0));
    const double win = expected - drawShare / 2.0;
    const double roll = dice.next();
    if (roll < win)
        return GameState::Win;
    if (roll < win + drawShare)
        return GameState::Draw;
    return GameState::Loss;
}

std::vector<PlayerBlock> tournament(const Event &event)
{
    const int n = event.players;
    std::vector<std::vector<GameState>> games(n + 1, std::vector<GameState>(n + 1));
    Dice dice(event.seed);
    for (const ScheduledGame &g : bergerSchedule(n)) {
        if (g.round > event.roundsPlayed)
            continue;
        const Junior &first = kJuniors[event.firstRecord + g.firstNamed - 2];
        const Junior &second = kJuniors[event.firstRecord + g.secondNamed - 2];
        GameState result = playedGame(first.rating, second.rating, dice);
        for (const Forfeit &f : event.forfeits) {
            if (f.round == g.round && f.winner == g.firstNamed && f.loser == g.secondNamed)
                result = GameState::ForfeitWin;
            if (f.round == g.round && f.winner == g.secondNamed && f.loser == g.firstNamed)
                result = GameState::ForfeitLoss;
        }
        games[g.firstNamed][g.secondNamed] = result;
        games[g.secondNamed][g.firstNamed] = mirrored(result);
    }
    std::vector<PlayerBlock> blocks;
    for (int i = 1; i <= n; ++i) {
        const int record = event.firstRecord + i - 1;
        const Junior &junior = kJuniors[record - 1];
        PlayerBlock block;
        block.name = toCodePage(QString::fromUtf8(junior.name)).toStdString();
        block.baseRecordNo = record;
        block.rating = formatPlain(junior.rating);
        int rated = 0;
        Fixed score;
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            block.results.emplace_back(cellText(games[i][j]));
            rated += isRated(games[i][j]) ? 1 : 0;
            score += ratedPoints(games[i][j]);
        }
        // As a save stores them: the corrections of the estimates from the games so far.
        block.correctionMark = junior.estimate ? ratingCorrection(rated, score) : 1000;
        blocks.push_back(block);
    }
    return blocks;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_examples DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));

    QByteArray base;
    for (const Junior &junior : kJuniors) {
        PlayerRecord record;
        record.setName(toCodePage(QString::fromUtf8(junior.name)).toStdString());
        record.setRate(formatPlain(junior.rating));
        record.setNr(junior.estimate ? "N" : "");
        const RecordBytes bytes = encodeRecord(record);
        base.append(bytes.data(), qsizetype(bytes.size()));
    }
    if (!write(dir.filePath(QStringLiteral("BASE.DAT")), base)) {
        std::fputs("make_examples: cannot write into the folder\n", stderr);
        return 1;
    }

    // The cup: all nine rounds played; two games were not, in rounds 4 and 7.
    const Event cup{"KUBOK.TXT", 1, 10, 9, {{4, 8, 6}, {7, 10, 4}}, 1};
    // The championship: seven players, four of its seven rounds played.
    const Event championship{"PERVENSTVO.TXT", 21, 7, 4, {}, 6};
    // Through the store, as the program saves: the bytes are read back before they are written.
    FileLayer files;
    for (const Event &event : {cup, championship}) {
        TournamentStore store(&files);
        store.open(dir.filePath(QString::fromLatin1(event.fileName)));
        const TournamentStore::Saved saved = store.save(writeTournamentFile(tournament(event)));
        if (!saved.written) {
            const QString why = saved.ownFault.isEmpty() ? saved.failure : saved.ownFault;
            std::fprintf(stderr, "make_examples: %s\n", why.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
