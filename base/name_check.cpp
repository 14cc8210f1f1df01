#include "base/name_check.h"

#include "base/player_record.h"
#include "common/texts.h"

namespace krugovik {

std::vector<NameMismatch> nameMismatches(const std::vector<WriteBackRow> &rows)
{
    std::vector<NameMismatch> found;
    for (const WriteBackRow &row : rows) {
        std::string inTable = trimBlanks(row.tableName);
        std::string inBase = trimBlanks(row.baseName);
        if (inTable != inBase)
            found.push_back({row.row, std::move(inTable), std::move(inBase)});
    }
    return found;
}

std::string mismatchQuestion(const std::vector<NameMismatch> &mismatches)
{
    std::string lines;
    for (const NameMismatch &m : mismatches) {
        lines += filled(translated("NameCheck", "строка %1: в таблице «%2», в базе «%3»"),
                        {std::to_string(m.row), m.tableName, m.baseName}) +
                 "\n";
    }
    return filled(translated("NameCheck",
                             "В этих строках таблицы игрок не тот, что в его записи базы:\n\n"
                             "%1\nЗаписать новые рейтинги и в эти записи базы? При ответе «Нет» "
                             "записываются только строки, в которых имена совпадают.",
                             "%1: one line per row; the quoted answer is the No button"),
                  {lines});
}

} // namespace krugovik
