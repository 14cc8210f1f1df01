#include "standings/result_keys.h"

#include <array>

namespace krugovik {
namespace {

struct ResultKey {
    std::string_view key;
    GameState result;
};

constexpr std::array<ResultKey, 8> kResultKeys = {{
    {"1", GameState::Win},
    {"0", GameState::Loss},
    {"5", GameState::Draw},
    {"=", GameState::Draw},
    {"+", GameState::ForfeitWin},
    {"-", GameState::ForfeitLoss},
    {kKeyDelete, GameState::None},
    {kKeyBackspace, GameState::None},
}};

} // namespace

CellKey cellKey(std::string_view key, bool gameCell)
{
    if (key == kKeySpace)
        return {CellKeyAction::Click, GameState::None};
    if (!gameCell)
        return key == kKeyEnter ? CellKey{CellKeyAction::Click, GameState::None} : CellKey{};
    for (const ResultKey &entry : kResultKeys) {
        if (entry.key == key)
            return {CellKeyAction::SetResult, entry.result};
    }
    return {};
}

} // namespace krugovik
