#include "common/hotkey_latch.h"

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
        if (hotkey.quit) started += 'Q';
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

TEST(HotkeyLatch, EscQuitsWhateverIsHeld) {
    EXPECT_EQ(hotkeysOf({down(kVkEscape)}), "Q");
    EXPECT_EQ(hotkeysOf({down(kVkControl), down(kVkEscape), down('8')}), "Q") << "Esc is a key between";
    EXPECT_EQ(hotkeysOf({down(kVkLeftAlt), down(kVkEscape)}), "Q");
}

}  // namespace
