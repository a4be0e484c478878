#include "randomiser/output/report_cells.h"

#include <gtest/gtest.h>

#include "randomiser/output/report.h"
#include "support/randomiser_builder.h"
#include "test_support.h"

namespace {

// A cell too long for a line of the full report, which cuts it, stands whole
// on the compact report's options line: the compact layout lays out the
// cells, never the full report's text.
TEST(ReportCells, TheCompactReportKeepsACellTheFullReportCuts) {
    Randomiser r;
    setPlayers(r, 2, std::vector<int>(8, 1500),
               {1000001, 1000002, 1000003, 1000004, 1000005, 1000006, 1000007, 1000008});
    r.teams.fmt_present = 1;
    const std::string friends = "Friends May Team 1000001 1000002 1000003 1000004 1000005 1000006 1000007 1000008";
    buildReport(r);
    EXPECT_EQ(reportLines(r)[8], "| " + friends.substr(0, 77));
    changeOptions(r, [](OptionSet& options) { options.compact = 1; });
    buildReport(r);
    EXPECT_EQ(reportLines(r)[1], "P-8 T-2, Ratings Based, " + friends);
}

}  // namespace
