#include "common/hotkey_latch.h"

#include "common/esc_quit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned kVkPacket = 0xE7;
constexpr unsigned kVkShift = 0x10;

// One key event: a virtual-key code and whether it goes down or up.
struct Key {
    unsigned vk;
    bool down;
};
Key down(unsigned vk) { return {vk, true}; }
Key up(unsigned vk) { return {vk, false}; }

// Feeds the events to a fresh latch; the commands started, 'Q' for a quit.
std::string hotkeysOf(const std::vector<Key>& keys) {
    HotkeyLatch latch;
    std::string started;
    for (const Key& key : keys) {
        const Hotkey hotkey = onKeyEvent(latch, key.vk, key.down);
        if (hotkey.esc) started += 'E';
        if (hotkey.digit != 0) started += static_cast<char>('0' + hotkey.digit);
    }
    return started;
}

TEST(HotkeyLatch, CtrlHeldThenADigitStartsOneCommand) {
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), down('1')}), "1");
    EXPECT_EQ(hotkeysOf({down(kVkRightControl), down('9')}), "9");
    EXPECT_EQ(hotkeysOf({down(kVkRightControl), down('0')}), std::string(1, '0' + kDigitZero)) << "Ctrl+0";
    EXPECT_EQ(hotkeysOf({down(kVkControl), down(kVkControl), down(kVkControl), down('2'), up('2'), down('3')}), "2")
        << "auto-repeated Ctrl runs one command; the next digit needs a Ctrl key-down again";
    EXPECT_EQ(hotkeysOf({down(kVkControl), down('6'), down(kVkControl), down('3')}), "63");
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), down(kVkRightControl), up(kVkLeftControl), down('4')}), "4")
        << "the other Ctrl key is still held";
}

TEST(HotkeyLatch, NoCommandWithoutCtrlHeldAndFirst) {
    EXPECT_EQ(hotkeysOf({down('1')}), "");
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), down('A'), up('A'), up(kVkLeftControl), down('2'), down('1')}), "")
        << "Ctrl+A released, then a chat line with digits";
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), up(kVkLeftControl), down('3')}), "") << "Ctrl released before the digit";
    EXPECT_EQ(hotkeysOf({down(kVkControl), down(kVkShift), down('3')}), "") << "another key between Ctrl and the digit";
    EXPECT_EQ(hotkeysOf({down(kVkControl), down(kVkPacket), down('5')}), "") << "a typed character between";
}

TEST(HotkeyLatch, AltGrIsNoCtrl) {
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), down(kVkRightAlt), down('1')}), "") << "AltGr as Windows sends it";
    EXPECT_EQ(hotkeysOf({down(kVkLeftAlt), down(kVkLeftControl), down('1')}), "") << "Alt, then Ctrl";
    EXPECT_EQ(hotkeysOf({down(kVkLeftControl), down(kVkRightAlt), down('1'), up(kVkRightAlt), down(kVkLeftControl),
                         down('1')}),
              "1")
        << "once Alt is up, Ctrl and a digit work again";
}

TEST(HotkeyLatch, EscIsToldApartWhateverIsHeld) {
    EXPECT_EQ(hotkeysOf({down(kVkEscape)}), "E");
    EXPECT_EQ(hotkeysOf({down(kVkControl), down(kVkEscape), down('8')}), "E") << "Esc is a key between";
    EXPECT_EQ(hotkeysOf({down(kVkLeftAlt), down(kVkEscape)}), "E");
}

// One press of Esc: when it comes, and what the program is doing then.
struct EscPress {
    uint32_t ms;
    char doing;  // ' ' nothing of its own, 't' a sequence types, 'w' its own window in front
};

// Feeds the presses to a fresh latch; a letter for each action: Stop typing,
// Close the window, Ask again, Quit.
std::string escActionsOf(const std::vector<EscPress>& presses) {
    EscLatch latch;
    std::string actions;
    for (const EscPress& press : presses) {
        EscMoment moment;
        moment.time_ms = press.ms;
        moment.typing = press.doing == 't';
        moment.own_window_in_front = press.doing == 'w';
        const EscAction action = onEscPress(latch, moment);
        actions += "SCAQ"[static_cast<int>(action)];
    }
    return actions;
}

TEST(EscQuit, OnlyEscTwiceWithinASecondQuits) {
    EXPECT_EQ(escActionsOf({{5000, ' '}}), "A") << "one Esc, as a game's chat closes";
    EXPECT_EQ(escActionsOf({{5000, ' '}, {5400, ' '}}), "AQ");
    EXPECT_EQ(escActionsOf({{5000, ' '}, {6000, ' '}}), "AQ") << "a second is still in time";
    EXPECT_EQ(escActionsOf({{5000, ' '}, {6001, ' '}, {6500, ' '}}), "AAQ") << "too late: it asks anew";
    EXPECT_EQ(escActionsOf({{5000, ' '}, {5400, ' '}, {5600, ' '}}), "AQA") << "a quit is not counted again";
    EXPECT_EQ(escActionsOf({{0xFFFFFE00u, ' '}, {0x100, ' '}}), "AQ") << "the clock wraps between the presses";
    EXPECT_EQ(escActionsOf({{0x100, ' '}, {0xFFFFFE00u, ' '}}), "AA") << "49 days later";
}

TEST(EscQuit, OneEscStopsTheTypingOrClosesTheOwnWindowAndAsksNothing) {
    EXPECT_EQ(escActionsOf({{5000, 't'}}), "S");
    EXPECT_EQ(escActionsOf({{5000, 'w'}}), "C");
    EXPECT_EQ(escActionsOf({{5000, 'w'}, {5300, ' '}, {5600, ' '}}), "CAQ")
        << "the Esc that closed the window is not the first of two";
    EXPECT_EQ(escActionsOf({{5000, ' '}, {5300, 't'}, {5600, ' '}}), "ASA") << "nor the one that stopped the typing";
    EXPECT_EQ(escActionsOf({{5000, ' '}, {5300, 'w'}, {5600, ' '}}), "ACA");
}

}  // namespace
