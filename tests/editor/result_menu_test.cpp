#include "editor/result_menu.h"

#include <string>
#include <vector>

#include "editor_fixture.h"

namespace {

std::vector<std::wstring> checkedTexts(const std::vector<ResultMenuRow>& rows) {
    std::vector<std::wstring> texts;
    for (const ResultMenuRow& row : rows) texts.push_back(row.checked ? L"[x] " + row.text : row.text);
    return texts;
}

// A line of teams 1 and 3 (a host's edit) that team 3 won.
TEST(ResultMenu, OffersTheTeamsOfTheLastMatchAndChecksItsResult) {
    LastMatch last;
    last.found = true;
    last.result = '3';
    last.has_team[0] = true;
    last.has_team[2] = true;
    EXPECT_EQ(checkedTexts(resultMenuRows(last)),
              (std::vector<std::wstring>{L"Team 1 won", L"[x] Team 3 won", L"Not rated", L"Undo last result"}));
    last.result = '0';
    EXPECT_EQ(checkedTexts(resultMenuRows(last)),
              (std::vector<std::wstring>{L"Team 1 won", L"Team 3 won", L"[x] Not rated", L"Undo last result"}));
}

// Without a match line the rows that need no team stay, to say why when chosen.
TEST(ResultMenu, WithoutAMatchOffersNoTeam) {
    const std::vector<ResultMenuRow> rows = resultMenuRows(LastMatch{});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].result, '0');
    EXPECT_EQ(rows[1].result, '-');
}

TEST(ResultMenu, ARecordedResultIsANoteARefusalAnErrorBox) {
    TempFolder folder;
    RecordingPort port;
    recordResultFromMenu(port, '1');
    EXPECT_EQ(port.errors, std::vector<std::wstring>{L"Result not recorded: there is no Results.txt."});
    writeFile("Results.txt", "2026-03-14 20:05\t1\t-\tAna\t1\t1500\tBo\t2\t1500\r\n");
    recordResultFromMenu(port, '1');
    EXPECT_EQ(port.notes, std::vector<std::wstring>{L"Team 1 won.\nAna 1500 \u2192 1579\nBo 1500 \u2192 1421"});
    EXPECT_EQ(port.errors.size(), 1u);
}

}  // namespace
