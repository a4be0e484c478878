#include "randomiser/output/typing_player.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "common/bounded_copy.h"
#include "common/text_convert.h"
#include "test_support.h"

namespace {

// A port with its own clock. It records what goes out as "@time" marks
// followed by the typed units, "<enter>" for each Enter and "<+K>" or "<-K>"
// for a real key going down or up (K: the key's character, Shift, AltGr or
// Enter), answers "Ctrl held" and "a modifier held" from lists of periods, and
// keeps the one call-again asked for. Its layout has the letters A to Z
// (capitals with Shift), the space and '@' (AltGr with 2), and its keys type
// what it names them for.
class FakePort : public TypingPort {
public:
    int now_ms = 0;
    int call_again_ms = -1;                          // the call-again asked for, -1 when none
    bool timers = true;                              // false: the system gives no timer
    int events_left = INT_MAX;                       // events the system takes before it refuses the rest
    std::vector<std::pair<int, int>> ctrl_periods;   // Ctrl held from .first to before .second
    std::vector<std::pair<int, int>> shift_periods;  // Shift held
    int focus_moves_ms = INT_MAX;                    // from then on another window has the focus
    std::string sent;

    int sendUnit(wchar_t unit) override { return send(toUtf8(std::wstring(1, unit)), kEventsPerKey); }
    int sendEnter() override { return send("<enter>", kEventsPerKey); }
    int sendKey(unsigned virtualKey, bool up) override {
        std::string name(1, static_cast<char>(virtualKey));
        if (virtualKey == kVkShift) name = "Shift";
        if (virtualKey == kVkRightAlt) name = "AltGr";
        if (virtualKey == kVkReturn) name = "Enter";
        return send(std::string("<") + (up ? '-' : '+') + name + ">", 1);
    }
    KeyText keyText(unsigned virtualKey, unsigned shiftState) override {
        for (wchar_t unit : std::wstring(L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ @")) {
            const LayoutKey key = layoutKey(unit);
            if (key.virtual_key == virtualKey && key.shift_state == shiftState) return KeyText{std::wstring(1, unit)};
        }
        return KeyText();
    }
    LayoutKey layoutKey(wchar_t unit) override {
        LayoutKey key;
        key.found = (unit >= L'a' && unit <= L'z') || (unit >= L'A' && unit <= L'Z') || unit == L' ' || unit == L'@';
        key.virtual_key = unit == L'@' ? '2' : static_cast<unsigned>(unit >= L'a' ? unit - L'a' + L'A' : unit);
        key.shift_state = unit == L'@' ? kShiftStateAltGr : (unit >= L'A' && unit <= L'Z' ? kShiftStateShift : 0);
        return key;
    }
    bool ctrlHeld() override { return heldNow(ctrl_periods); }
    bool modifierHeld() override { return heldNow(ctrl_periods) || heldNow(shift_periods); }
    int64_t nowMs() override { return now_ms; }
    std::uintptr_t foregroundWindow() override { return now_ms < focus_moves_ms ? 1 : 2; }
    bool callAgainAfter(int milliseconds) override {
        if (!timers) return false;
        EXPECT_EQ(call_again_ms, -1) << "one call-again at a time";
        call_again_ms = milliseconds;
        return true;
    }

private:
    int marked_ms = -1;
    bool heldNow(const std::vector<std::pair<int, int>>& periods) const {
        for (const auto& period : periods)
            if (now_ms >= period.first && now_ms < period.second) return true;
        return false;
    }
    // Takes the events of one key while the system still takes them; records
    // the key only when all went out.
    int send(const std::string& key, int wanted) {
        const int events = events_left < wanted ? events_left : wanted;
        events_left -= events;
        if (events != wanted) return events;
        if (now_ms != marked_ms) sent += (sent.empty() ? "@" : " @") + std::to_string(now_ms) + " ";
        marked_ms = now_ms;
        sent += key;
        return events;
    }
};

class TypingPlayerTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakePort port;
    TypingPlayer player;
    ReportState report;
    PlayOutcome last;

    void SetUp() override {
        for (const wchar_t* line : {L"ab", L"cd"}) boundedCopy(report.report_lines[report.report_line_count++], line);
    }
    // The report sequence of command 1: typed, saved, then the quit.
    TypingSequence reportThenQuit() {
        TypingSequence steps = reportSequence(report);
        steps.push_back(TypingStep());
        steps.back().kind = StepKind::Quit;
        return steps;
    }
    void start(TypingSequence steps, bool realKeys = false) {
        startSequence(player, std::move(steps), realKeys);
        last = playSteps(player, port, report);
    }
    // Moves the clock on to untilMs, calling the player again whenever a
    // call-again it asked for falls due.
    void runUntil(int untilMs) {
        while (port.call_again_ms >= 0 && port.now_ms + port.call_again_ms <= untilMs) {
            port.now_ms += port.call_again_ms;
            port.call_again_ms = -1;
            last = playSteps(player, port, report);
        }
        if (port.call_again_ms >= 0) port.call_again_ms -= untilMs - port.now_ms;
        port.now_ms = untilMs;
    }
};

TEST_F(TypingPlayerTest, ReportIsPacedThenSavedThenQuits) {
    start(reportThenQuit());
    EXPECT_TRUE(sequencePlaying(player));
    runUntil(999);
    EXPECT_EQ(port.sent, "@250 ab @500 <enter>cd @750 <enter>");
    EXPECT_EQ(readFile("data.txt"), "") << "the save comes 250 ms after the last Enter";
    EXPECT_FALSE(last.quit);
    runUntil(1000);
    EXPECT_EQ(readFile("data.txt"), "ab\r\ncd\r\n");
    EXPECT_TRUE(last.quit);
    EXPECT_TRUE(last.error.empty());
    EXPECT_FALSE(sequencePlaying(player));
}

TEST_F(TypingPlayerTest, APlayingSequenceIncludesItsLastWait) {
    start(ruleTextSequence("Go"));
    runUntil(250);
    EXPECT_EQ(port.sent, "@0 Go @250 <enter>");
    EXPECT_TRUE(sequencePlaying(player)) << "the 100 ms gap after the last Enter is still to come";
    runUntil(350);
    EXPECT_FALSE(sequencePlaying(player));
    EXPECT_FALSE(last.quit);
}

TEST_F(TypingPlayerTest, HeldCtrlDelaysTheStartAndEachEnter) {
    port.ctrl_periods = {{0, 100}, {600, 700}};
    start(reportThenQuit());
    runUntil(2000);
    EXPECT_EQ(port.sent, "@350 ab @700 <enter>cd @950 <enter>");
    EXPECT_TRUE(last.quit);
}

TEST_F(TypingPlayerTest, EachCtrlWaitEndsAfterItsLimit) {
    port.ctrl_periods = {{0, INT_MAX}};
    start(savedResultSequence("a\r\nb\r\n"));
    runUntil(20000);
    EXPECT_EQ(port.sent, "@3000 a @6000 <enter> @6250 b @9250 <enter>");
    EXPECT_FALSE(sequencePlaying(player));
}

TEST_F(TypingPlayerTest, EscDuringTheReportSavesTheWholeReport) {
    writeFile("data.txt", "the match before\r\n");
    start(reportThenQuit());
    runUntil(600);
    EXPECT_EQ(port.sent, "@250 ab @500 <enter>cd");
    EXPECT_TRUE(quitStillToCome(player)) << "the report stopped by Esc still ends the program";
    interruptSequence(player, port, report);
    EXPECT_EQ(readFile("data.txt"), "ab\r\ncd\r\n");
    EXPECT_FALSE(sequencePlaying(player));
    // The call-again still due finds nothing left to play.
    runUntil(2000);
    EXPECT_EQ(port.sent, "@250 ab @500 <enter>cd");
    EXPECT_FALSE(last.quit);
}

TEST_F(TypingPlayerTest, EscBeforeAnyKeyOrOutsideTheReportSavesNothing) {
    writeFile("data.txt", "the match before\r\n");
    start(reportThenQuit());
    runUntil(200);
    interruptSequence(player, port, report);
    EXPECT_EQ(readFile("data.txt"), "the match before\r\n") << "nothing of this report reached the chat";

    port.call_again_ms = -1;  // the program has ended; the next run types a rule text
    start(ruleTextSequence("Go"));
    EXPECT_FALSE(quitStillToCome(player)) << "a rule text stopped by Esc leaves the program running";
    interruptSequence(player, port, report);
    EXPECT_EQ(readFile("data.txt"), "the match before\r\n") << "a rule text has no save";
    EXPECT_EQ(port.sent, "@200 Go");
}

TEST_F(TypingPlayerTest, RefusedKeystrokeStopsTheReportSavesItAndSaysWhy) {
    port.events_left = 3;  // "a" goes out, "b" only in part
    start(reportThenQuit());
    runUntil(300);
    EXPECT_EQ(port.sent, "@250 a");
    EXPECT_NE(last.error.find(L"Typing failed"), std::wstring::npos);
    EXPECT_NE(last.error.find(L"higher rights"), std::wstring::npos);
    EXPECT_NE(last.error.find(L"saved in data.txt"), std::wstring::npos);
    EXPECT_FALSE(last.quit) << "the program stays, so the host can try again";
    EXPECT_FALSE(sequencePlaying(player));
    EXPECT_EQ(port.call_again_ms, -1);
    EXPECT_EQ(readFile("data.txt"), "ab\r\ncd\r\n");
    port.events_left = INT_MAX;
    runUntil(5000);
    EXPECT_EQ(port.sent, "@250 a") << "nothing more is typed";
}

TEST_F(TypingPlayerTest, RefusedEnterStopsARuleTextWithoutSaving) {
    port.events_left = 2 * kEventsPerKey + 1;  // "Go", and half of its Enter
    start(ruleTextSequence("Go\nOn"));
    runUntil(250);
    port.events_left = INT_MAX;
    runUntil(5000);
    EXPECT_EQ(port.sent, "@0 Go") << "the next chunk is not typed";
    EXPECT_NE(last.error.find(L"Typing failed"), std::wstring::npos);
    EXPECT_EQ(last.error.find(L"data.txt"), std::wstring::npos) << "no report was saved";
    EXPECT_EQ(readFile("data.txt"), "");
    EXPECT_FALSE(sequencePlaying(player));
}

TEST_F(TypingPlayerTest, FocusMovedStopsBeforeTheNextKeySavesTheReportAndStays) {
    writeFile("data.txt", "the match before\r\n");
    port.focus_moves_ms = 600;  // while "cd" waits for its Enter
    start(reportThenQuit());
    runUntil(5000);
    EXPECT_EQ(port.sent, "@250 ab @500 <enter>cd") << "no Enter into the other window";
    EXPECT_NE(last.error.find(L"another window took the focus"), std::wstring::npos);
    EXPECT_NE(last.error.find(L"saved in data.txt"), std::wstring::npos);
    EXPECT_FALSE(last.quit) << "the program stays, so Ctrl+1 can type it again";
    EXPECT_FALSE(sequencePlaying(player));
    EXPECT_EQ(readFile("data.txt"), "ab\r\ncd\r\n");

    port.focus_moves_ms = INT_MAX;  // back in the chat: the next sequence types from its first line
    port.sent.clear();
    start(reportThenQuit());
    runUntil(10000);
    EXPECT_EQ(port.sent, "@5250 ab @5500 <enter>cd @5750 <enter>");
    EXPECT_TRUE(last.quit);
}

TEST_F(TypingPlayerTest, ASaveThatFailsIsSaidAndTheProgramStillQuits) {
    std::filesystem::create_directory("data.txt");  // no file can replace a folder
    start(reportThenQuit());
    runUntil(2000);
    EXPECT_EQ(port.sent, "@250 ab @500 <enter>cd @750 <enter>");
    EXPECT_NE(last.error.find(L"typed but not saved"), std::wstring::npos);
    EXPECT_NE(last.error.find(L"a folder"), std::wstring::npos);
    EXPECT_NE(last.error.find(L" The system says: " + decodeText(std::strerror(EISDIR), TextEncoding::Utf8) + L"."),
              std::wstring::npos);
    EXPECT_NE(last.error.find(L"previous match"), std::wstring::npos);
    EXPECT_TRUE(last.quit);
}

// A Results.txt that refuses the match's line is said with what it loses,
// after the whole report and when typing stopped early, beside what became
// of data.txt.
TEST_F(TypingPlayerTest, AMatchResultsTxtRefusesIsSaidWithWhatItLoses) {
    report.records_match = 1;
    std::filesystem::create_directory("Results.txt.tmp");  // no new Results.txt can be made
    const std::wstring notAdded = L"The match was not added to Results.txt: Results.txt could not be written (";
    const std::wstring lost = L"would go to the match before this one";
    start(reportThenQuit());
    runUntil(2000);
    EXPECT_EQ(last.error.rfind(L"The whole report is saved in data.txt.\n\n" + notAdded, 0), 0u);
    EXPECT_NE(last.error.find(lost), std::wstring::npos);
    EXPECT_TRUE(last.quit);

    std::filesystem::create_directory("data.txt.tmp");  // nor a new data.txt
    port.focus_moves_ms = port.now_ms + 600;
    start(reportThenQuit());
    runUntil(5000);
    EXPECT_EQ(last.error.rfind(L"Typing stopped: another window took the focus", 0), 0u);
    EXPECT_NE(last.error.find(L"\n\nThe report was not saved: no new file can be made"), std::wstring::npos);
    EXPECT_NE(last.error.find(L"\n\n" + notAdded), std::wstring::npos);
    EXPECT_NE(last.error.find(lost), std::wstring::npos);
    EXPECT_FALSE(last.quit);
}

TEST_F(TypingPlayerTest, RealKeysHoldEachKeyAndFallBackToUnicode) {
    start(oneLineSequence(L"Hi @\u0412"), true);
    runUntil(1000);
    EXPECT_EQ(port.sent,
              "@0 <+Shift><+H> @20 <-H><-Shift><+I> @40 <-I><+ > @60 <- ><+AltGr><+2> @80 <-2><-AltGr>\xD0\x92<+Enter> "
              "@100 <-Enter>");
    EXPECT_FALSE(sequencePlaying(player));
}

TEST_F(TypingPlayerTest, RealKeysWaitForEveryModifierAndReleaseWhatTheyHoldWhenStopped) {
    port.shift_periods = {{0, 100}};  // Shift still held from the host's hands
    port.focus_moves_ms = 110;        // while H is held down
    start(oneLineSequence(L"Hi"), true);
    runUntil(1000);
    EXPECT_EQ(port.sent, "@100 <+Shift><+H> @120 <-H><-Shift>") << "nothing stays held down";
    EXPECT_NE(last.error.find(L"another window took the focus"), std::wstring::npos);
}

TEST_F(TypingPlayerTest, LinePauseSpacesTheStartsOfLinesTypingIncluded) {
    TypingStyle style;
    style.line_pause_ms = 1100;
    start(savedResultSequence("a\r\nb\r\n", style));
    runUntil(5000);
    EXPECT_EQ(port.sent, "@0 a<enter> @1100 b<enter>");

    port.sent.clear();
    style.line_pause_ms = 300;  // the report's pause before each Enter counts towards it
    start(reportSequence(report, style));
    runUntil(10000);
    EXPECT_EQ(port.sent, "@5250 ab @5500 <enter> @5550 cd @5800 <enter>");
}

TEST_F(TypingPlayerTest, WithoutATimerTheSequenceGoesOnAtOnce) {
    port.timers = false;
    port.ctrl_periods = {{0, INT_MAX}};
    start(reportThenQuit());
    EXPECT_EQ(port.sent, "@0 ab<enter>cd<enter>");
    EXPECT_TRUE(last.quit);
    EXPECT_EQ(readFile("data.txt"), "ab\r\ncd\r\n");
    EXPECT_FALSE(sequencePlaying(player));
}

}  // namespace
