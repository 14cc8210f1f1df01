// Writes the sample base and a finished ten-player tournament into a folder:
// make_examples DIR. Names and results are made up; the results follow the ratings.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <vector>

#include "base/player_record.h"
#include "common/codepage.h"
#include "common/number_text.h"
#include "rating/game_notation.h"
#include "rating/rating_correction.h"
#include "rounds/berger_schedule.h"
#include "table/tournament_file.h"

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
constexpr int kTournamentPlayers = 10;

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The result of first against second, decided by the ratings and the round.
GameState result(int firstRating, int secondRating, int round)
{
    const int edge = firstRating - secondRating + ((round * 37) % 9 - 4) * 40;
    if (round % 7 == 3)
        return edge >= 0 ? GameState::ForfeitWin : GameState::ForfeitLoss;
    if (edge > 60)
        return GameState::Win;
    if (edge < -60)
        return GameState::Loss;
    return GameState::Draw;
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

    // The first ten juniors play; every game of the schedule has its result.
    std::vector<std::vector<GameState>> games(kTournamentPlayers + 1,
                                              std::vector<GameState>(kTournamentPlayers + 1));
    for (const ScheduledGame &g : bergerSchedule(kTournamentPlayers)) {
        const GameState first =
            result(kJuniors[g.firstNamed - 1].rating, kJuniors[g.secondNamed - 1].rating, g.round);
        games[g.firstNamed][g.secondNamed] = first;
        games[g.secondNamed][g.firstNamed] = mirrored(first);
    }
    std::vector<PlayerBlock> blocks;
    for (int i = 1; i <= kTournamentPlayers; ++i) {
        const Junior &junior = kJuniors[i - 1];
        PlayerBlock block;
        block.name = toCodePage(QString::fromUtf8(junior.name)).toStdString();
        block.baseRecordNo = i;
        block.rating = formatPlain(junior.rating);
        int rated = 0;
        Fixed score;
        for (int j = 1; j <= kTournamentPlayers; ++j) {
            if (j == i)
                continue;
            block.results.emplace_back(cellText(games[i][j]));
            rated += isRated(games[i][j]) ? 1 : 0;
            score += ratedPoints(games[i][j]);
        }
        // As a save after the corrections were shown stores them.
        block.correctionMark = junior.estimate ? ratingCorrection(rated, score) : 1000;
        blocks.push_back(block);
    }
    const std::string tournament = writeTournamentFile(blocks);
    if (!write(dir.filePath(QStringLiteral("BASE.DAT")), base) ||
        !write(dir.filePath(QStringLiteral("KUBOK.TXT")),
               QByteArray(tournament.data(), qsizetype(tournament.size())))) {
        std::fputs("make_examples: cannot write into the folder\n", stderr);
        return 1;
    }
    return 0;
}
