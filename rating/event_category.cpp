#include "rating/event_category.h"

#include <algorithm>

#include "rating/title_norms.h"

namespace krugovik {
namespace {

int ratedCount(const FideEvent &event)
{
    return int(std::count_if(event.players.begin(), event.players.end(),
                             [](const FidePlayer &p) { return p.rating > 0; }));
}

} // namespace

int averageRating(const FideEvent &event)
{
    long long sum = 0;
    for (const FidePlayer &p : event.players)
        sum += p.rating;
    const long long n = ratedCount(event);
    return n == 0 ? 0 : int((2 * sum + n) / (2 * n));
}

int eventCategory(int average)
{
    return average < 2251 ? 0 : (average - 2251) / 25 + 1;
}

bool tooFewForSeveralCycles(const FideEvent &event)
{
    const int n = int(event.players.size());
    const std::size_t pairs = std::size_t(n) * std::size_t(std::max(n - 1, 0)) / 2;
    const bool severalCycles = pairs > 0 && event.games.size() > pairs;
    return severalCycles && ratedCount(event) < n && n < 6;
}

bool canBeRated(const FideEvent &event)
{
    const int n = int(event.players.size());
    const int rated = ratedCount(event);
    return !tooFewForSeveralCycles(event) && rated * 3 >= n && (n >= 10 || rated >= 4);
}

bool canGiveNorms(const FideEvent &event)
{
    for (int p = 0; p < int(event.players.size()); ++p) {
        for (const NormCheck &check : checkNorms(event, p)) {
            if (check.state == NormState::Possible || check.state == NormState::Made)
                return true;
        }
    }
    return false;
}

} // namespace krugovik
