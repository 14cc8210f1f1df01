#pragma once

#include <QString>
#include <atomic>
#include <functional>

#include "base/list_player.h"
#include "base/list_readers.h"

namespace krugovik {

// How a list file is written.
enum class ListFormat { FideTxt, FideXml, Csv };

// What a reading found besides the players.
struct ListReadResult {
    bool ok = false;             // false: the file could not be read as a list at all
    bool cancelled = false;      // stopped on request; what was read counts for nothing
    QString error;               // why not ok, for the director
    qint64 players = 0;          // players handed on
    qint64 skipped = 0;          // malformed lines (or XML players) left out
    qint64 firstSkippedLine = 0; // the line number of the first of them, from 1
};

// The format a file's name tells, looking inside a .zip for its one list: FIDE's TXT or XML
// list, or a CSV. False, with the reason, when the file is none of them or cannot be opened.
bool listFormatOf(const QString &path, ListFormat &format, QString &error);

// The first line of a CSV file (inside a .zip too), for the column dialog.
QString firstCsvLine(const QString &path, QString &error);

// Reads every player of a list file, plain or inside FIDE's .zip, and hands each to sink;
// progress receives the share read so far, in thousandths, from time to time. cancel is
// looked at between lines.
ListReadResult readListFile(const QString &path, const CsvColumns &csvColumns,
                            const std::function<void(const ListPlayer &)> &sink,
                            const std::function<void(int permille)> &progress,
                            const std::atomic_bool &cancel);

} // namespace krugovik
