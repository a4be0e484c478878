#pragma once
#include <cstddef>
#include <cstdint>

#include "script/player_data_file.h"

constexpr size_t kPathUnits = 260;            // paths hold at most 259 characters
constexpr int32_t kDefaultFairMargin = 25;    // "fair_teams" without a number
constexpr int32_t kLinePauseLimitMs = 60000;  // the longest "line_pause"
constexpr int32_t kMinLineCap = 20;           // "line_cap": the shortest and longest typed line
constexpr int32_t kMaxLineCap = 1000;
constexpr size_t kMaxSeedWordChars = 40;  // "seed_word": the longest word, whole in the report's seed line

// The randomiser's options, filled once from the command line and only read
// after that: Randomiser gives them out as const (randomiser_state.h), the
// rule text and map in use are the run's own (run_state.h). Flags hold 0 or 1.
// The values the civilisation draw changes as it runs are copied into
// CivDrawState (allocation_state.h) first.
struct OptionSet {
    uint8_t use_ratings = 0;
    uint8_t validate_only = 0;
    uint8_t repost_only = 0;
    uint8_t handicap = 0;
    uint8_t fmt_uncounter = 0;
    uint8_t tier_range_low = 0;
    uint8_t tier_range_mid = 0;
    uint8_t tier_range_high = 0;
    uint8_t reshape = 0;
    uint8_t team_random = 0;
    uint8_t reflective_tiers = 0;
    uint8_t repeat_ally = 0;
    uint8_t repeat_same_team = 0;
    uint8_t varied_tier_ratios = 0;
    uint8_t single_tier = 0;
    uint8_t omit_civs = 0;
    uint8_t civ_cycle = 0;
    uint8_t fair_teams = 0;       // choose among the fairest splits on the exact ratings
    uint8_t learned_ratings = 0;  // the ratings Results.txt teaches replace those of PlayerData.txt
    uint8_t real_keys = 0;        // type each character as the key presses of the layout
    uint8_t open_chat = 0;        // open the chat with Enter before each line
    uint8_t reflective[kPlayerSlots] = {};
    uint8_t repeat_enemy[kPlayerSlots] = {};
    int32_t repeat_combo = 8;
    int32_t score_combo = 0;
    int32_t single_tier_value = 1;
    int32_t tier_ratios[4] = {1, 1, 1, 1};
    int32_t reshape_amount = 0;
    int32_t fair_margin = kDefaultFairMargin;  // spread above the best one that still counts as fair
    int32_t line_pause_ms = 0;                 // least time from the start of one typed line to the next
    int32_t line_cap = 0;                      // the longest typed line, in characters; 0: no limit
    uint8_t compact = 0;                       // the report in a few lines, one a team
    uint8_t standings = 0;                     // the report adds a line of tonight's wins and losses
    char record_result = '\0';                 // "result N": '0' .. '4' to record in Results.txt, no match drawn
    wchar_t usual_rules_path[kPathUnits] = L"./Rules/Usual.txt";
    wchar_t civ_script_path[kPathUnits] = L"./Scripts/Civ_Details.txt";
    wchar_t map_script_path[kPathUnits] = L"./Scripts/Map_Details.txt";
    wchar_t rule_script_path[kPathUnits] = L"./Scripts/Rule_Details.txt";
};
