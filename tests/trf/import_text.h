// The import of a TRF's text, for the tests of the import.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "trf/trf_import.h"
#include "trf/trf_reader.h"

namespace krugovik {

// The tournament the import makes of the text; fails the test when it is refused.
inline ImportedTournament importText(const std::string &trf)
{
    const TrfReadResult read = readTrf(trf);
    if (!read.ok()) {
        ADD_FAILURE() << read.errors.front().reason;
        return {};
    }
    TrfError why;
    bool ok = false;
    ImportedTournament imported = importTrf(read.file, why, ok);
    EXPECT_TRUE(ok) << why.line << ": " << why.reason;
    return imported;
}

} // namespace krugovik
