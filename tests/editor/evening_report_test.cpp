#include "editor/evening_report.h"

#include <cstdio>
#include <string>

#include "editor_fixture.h"

namespace {

// A page that cannot be written says why in the error box and leaves the
// page from before; a written one shows no box.
TEST(EveningReport, AFailedWriteSaysWhyAndKeepsTheOldPage) {
    TempFolder folder;
    RecordingPort port;
    writeFile("Evening.html", "the page from before");
    writeFile("Evening.html.tmp/inside", "a folder where the temporary file would go");
    EXPECT_FALSE(writeEveningReport(port));
    EXPECT_EQ(port.errors, (std::vector<std::wstring>{L"Evening.html was not written: no file could be made in "
                                                      L"the folder (Is a directory). The page from before is left as it was."}));
    EXPECT_EQ(readFile("Evening.html"), "the page from before");

    std::remove("Evening.html.tmp/inside");
    std::remove("Evening.html.tmp");
    port.errors.clear();
    EXPECT_TRUE(writeEveningReport(port));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_NE(readFile("Evening.html").find("<h1>The evening at a glance</h1>"), std::string::npos);
}

}  // namespace
