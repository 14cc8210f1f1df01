#pragma once

namespace krugovik {

// The player the Berger table leaves without a game in `round`: with an odd count the
// one it pairs with the missing last number. 0 for an even count, a round outside the
// schedule or a count outside 3..22.
int sittingOut(int playerCount, int round);

} // namespace krugovik
