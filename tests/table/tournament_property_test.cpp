// Random sessions of the director's operations, on the model and on the document with its
// history: whatever state they reach, a save followed by an open gives the same table,
// points, places, rules, withdrawals and cycles, and a second save the same bytes.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <QUndoStack>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "export/snapshot_results.h"
#include "table/document_session.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "table/tournament_sessions.h"
#include "table/tournament_store.h"
#include "ui/tournament_document.h"

using namespace krugovik;

namespace {

// The same thousands of sessions on every run unless RC_PARAMS asks for others; set before
// the first property reads the configuration.
const bool kSeeded = [] {
    setenv("RC_PARAMS", "seed=27 max_success=2000 max_size=40", 0);
    return true;
}();

void checkRoundTrip(const Tournament &t)
{
    const std::string bytes = t.fileBytes();
    RC_ASSERT(readFileExtension(bytes, t.playerCount()).error == std::string());
    Tournament read;
    read.load(bytes);
    RC_ASSERT(picture(read) == picture(t));
    RC_ASSERT(read.fileBytes() == bytes);
}

// Runs a property over at least `sessions` random sessions, whatever RC_PARAMS asks of the
// others; a failure prints the shortest session that shows it.
template <typename Property> void checkSessions(int sessions, Property property)
{
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    params.maxSuccess = std::max(params.maxSuccess, sessions);
    rc::detail::TestMetadata metadata;
    metadata.id = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const rc::detail::TestResult result = rc::detail::checkTestable(property, metadata, params);
    if (!result.template is<rc::detail::SuccessResult>()) {
        std::ostringstream message;
        rc::detail::printResultMessage(result, message);
        FAIL() << message.str();
    }
}

// Every operation of the director's, the rules of every shape among them.
rc::Gen<std::vector<Operation>> everyOperation()
{
    const rc::Gen<Operation> operation = operations({{10, Operation::Result},
                                                     {2, Operation::Withdraw},
                                                     {1, Operation::Reinstate},
                                                     {1, Operation::Players},
                                                     {2, Operation::Cycles},
                                                     {1, Operation::Rules},
                                                     {4, Operation::Choice},
                                                     {2, Operation::Hand},
                                                     {2, Operation::Enter},
                                                     {1, Operation::Event},
                                                     {2, Operation::Undo},
                                                     {1, Operation::Redo}});
    return rc::gen::container<std::vector<Operation>>(operation);
}

} // namespace

// After every operation the store takes what a save would write: it reads back to the same
// bytes, as the recovery copy does, and the table it gives is the table the model holds.
TEST(TournamentProperty, TheStoreTakesTheFileAfterEveryOperation)
{
    checkSessions(3000, [] {
        const std::vector<Operation> ops = *everyOperation();
        DocumentSession session(startingTable().fileBytes());
        session.mostCycles = 4;
        session.identities = true;
        for (const Operation &op : ops) {
            session.apply(op);
            const std::string bytes = session.tournament().fileBytes();
            RC_ASSERT(readBackProblem(bytes) == std::string());
        }
        checkRoundTrip(session.tournament());
    });
}

RC_GTEST_PROP(TournamentProperty, TheModelSavesWhatItHolds, (const std::vector<Operation> &ops))
{
    ModelSession session(startingTable());
    for (const Operation &op : ops)
        session.apply(op);
    checkRoundTrip(session.tournament());
}

RC_GTEST_PROP(TournamentProperty, TheDocumentSavesWhatItHoldsAfterAnyUndoAndRedo,
              (const std::vector<Operation> &ops))
{
    const std::string start = startingTable().fileBytes();
    DocumentSession session(start);
    for (const Operation &op : ops)
        session.apply(op);
    const std::string end = session.tournament().fileBytes();
    const int reached = session.history()->index();
    checkRoundTrip(session.tournament());
    // Every step taken back gives the file it started from; brought back, the file it reached.
    while (session.history()->canUndo()) {
        session.undo();
        // Each state on the way back saves and reads again to the same bytes.
        const std::string bytes = session.tournament().fileBytes();
        Tournament read;
        read.load(bytes);
        RC_ASSERT(read.fileBytes() == bytes);
    }
    RC_ASSERT(session.tournament().fileBytes() == start);
    while (session.history()->index() < reached)
        session.redo();
    RC_ASSERT(session.tournament().fileBytes() == end);
}
