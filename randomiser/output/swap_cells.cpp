#include "randomiser/output/swap_cells.h"

std::vector<std::wstring> hostSwapCells(const Randomiser& randomiser) {
    std::vector<std::wstring> cells;
    const SwapState& swaps = randomiser.host_swaps;
    for (int i = 0; i < swaps.swap_count; ++i) {
        cells.push_back(std::wstring(L"Host swapped ") + randomiser.players.player_names[swaps.swaps[i].first] +
                        L" <-> " + randomiser.players.player_names[swaps.swaps[i].second]);
    }
    return cells;
}
