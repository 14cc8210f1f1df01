#include "base/base_list.h"

#include <algorithm>
#include <numeric>

namespace krugovik {

std::vector<std::size_t> printOrder(const std::vector<std::int64_t> &ratings)
{
    std::vector<std::size_t> order(ratings.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Stable, as exchanging only strictly smaller neighbours keeps equal ones in place.
    std::stable_sort(order.begin(), order.end(),
                     [&ratings](std::size_t a, std::size_t b) { return ratings[a] > ratings[b]; });
    return order;
}

} // namespace krugovik
