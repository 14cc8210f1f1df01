#include "base/name_check.h"

#include "base/player_record.h"

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
    std::string text = "В этих строках таблицы игрок не тот, что в его записи базы:\n\n";
    for (const NameMismatch &m : mismatches) {
        text += "строка " + std::to_string(m.row) + ": в таблице «" + m.tableName + "», в базе «" +
                m.baseName + "»\n";
    }
    text += "\nЗаписать новые рейтинги и в эти записи базы? При ответе «Нет» записываются "
            "только строки, в которых имена совпадают.";
    return text;
}

} // namespace krugovik
