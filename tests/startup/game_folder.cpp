#include "startup/game_folder.h"

#include "test_support.h"

void GameFolder::write() const {
    writeFile("PlayerData.txt", playerData);
    writeFile("Scripts/Civ_Details.txt", civs);
    writeFile("Scripts/Map_Details.txt", maps);
    writeFile("Scripts/Rule_Details.txt", rules);
    writeFile("Rules/Usual.txt", usual_rules);
    writeFile("Rules/fast.txt", fast_rules);
}
