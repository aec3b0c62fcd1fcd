#include "GameState.h"

#include <algorithm>

std::vector<int> GameState::winners() const
{
    int best = 0;
    for (const Player &player : players)
        best = std::max(best, player.sheet.grandTotal());
    std::vector<int> first;
    for (std::size_t p = 0; p < players.size(); ++p)
        if (players[p].sheet.grandTotal() == best)
            first.push_back(int(p));
    return first;
}
