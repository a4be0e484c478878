#include "randomiser/output/hotkey_latch.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kVkPacket = 0xE7;
constexpr unsigned kVkReturn = 0x0D;

TEST(ClassifyKey, KnowsKeysByVirtualKeyCode) {
    struct Case {
        unsigned vk;
        HotKey key;
        int digit;
    };
    const Case cases[] = {
        {kVkControl, HotKey::Ctrl, 0},  {kVkLeftControl, HotKey::Ctrl, 0}, {kVkRightControl, HotKey::Ctrl, 0},
        {kVkEscape, HotKey::Esc, 0},    {'1', HotKey::Digit, 1},           {'9', HotKey::Digit, 9},
        {'0', HotKey::Other, 0},        {0x61, HotKey::Other, 0} /* numpad 1 */,
        {kVkPacket, HotKey::Other, 0},  {kVkReturn, HotKey::Other, 0},     {'A', HotKey::Other, 0},
        {0x10, HotKey::Other, 0} /* shift */,
    };
    for (const Case& c : cases) {
        KeyPress press = classifyKey(c.vk);
        EXPECT_EQ(press.key, c.key) << "vk " << c.vk;
        EXPECT_EQ(press.digit, c.digit) << "vk " << c.vk;
    }
}

// Feeds virtual-key codes to a fresh latch; the commands started, and 'Q' for a quit.
std::string commandsOf(std::initializer_list<unsigned> keys, bool sequencePlaying = false) {
    HotkeyLatch latch;
    std::string started;
    for (unsigned vk : keys) {
        HotkeyDecision decision = onKeyDown(latch, classifyKey(vk), sequencePlaying);
        if (decision.quit) started += 'Q';
        if (decision.command != 0) started += static_cast<char>('0' + decision.command);
    }
    return started;
}

TEST(HotkeyLatch, StartsCommandsAsTheLatchAllows) {
    EXPECT_EQ(commandsOf({kVkLeftControl, '1'}), "1");
    EXPECT_EQ(commandsOf({'1'}), "") << "a digit without Ctrl does nothing";
    EXPECT_EQ(commandsOf({kVkControl, 'A', kVkPacket, '5'}), "5") << "other keys leave the latch set";
    EXPECT_EQ(commandsOf({kVkRightControl, kVkRightControl, kVkRightControl, '2', '3'}), "2")
        << "auto-repeated Ctrl runs one command; the next digit needs Ctrl again";
    EXPECT_EQ(commandsOf({kVkControl, '6', kVkControl, '3'}), "63");
    EXPECT_EQ(commandsOf({kVkEscape}), "Q");
    EXPECT_EQ(commandsOf({kVkControl, kVkEscape, '8'}), "Q8") << "Esc quits and leaves the latch";
}

TEST(HotkeyLatch, WhileTypingDigitsAreIgnoredButEscQuits) {
    EXPECT_EQ(commandsOf({kVkControl, '8'}, true), "");
    EXPECT_EQ(commandsOf({kVkControl, '8', kVkEscape}, true), "Q");
    HotkeyLatch latch;
    onKeyDown(latch, classifyKey(kVkControl), false);
    EXPECT_EQ(onKeyDown(latch, classifyKey('8'), true).command, 0);
    EXPECT_EQ(onKeyDown(latch, classifyKey('8'), false).command, 8) << "the ignored digit kept the latch";
}

}  // namespace
