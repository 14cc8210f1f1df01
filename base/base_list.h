#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace krugovik {

// The order in which the base prints: by rating from the highest, equal ratings in
// record order. Returns indexes into `ratings`.
std::vector<std::size_t> printOrder(const std::vector<std::int64_t> &ratings);

} // namespace krugovik
