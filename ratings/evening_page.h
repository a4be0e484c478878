#pragma once
#include <string>

#include "ratings/evening_model.h"

// The evening page, Evening.html: one self-contained UTF-8 file with inline
// CSS and an inline SVG chart, no script and nothing fetched from another
// file or a network, readable in any browser and on paper. Every text taken
// from a file is escaped; every number is written as an integer or with a
// fixed decimal point, so the same history gives the same bytes everywhere.

constexpr const char* kEveningPageFile = "Evening.html";

// The chart draws at most this many players; the rest are named below it.
constexpr size_t kChartedPlayers = 16;

// The text with &, <, >, " and ' written as HTML character references.
std::string escapedHtml(const std::string& text);

// Appends the text to out so escaped.
void addEscapedHtml(std::string& out, const std::string& text);

// The whole page for the model.
std::string eveningPage(const EveningModel& model);

// Reads Results.txt, writes Evening.html in the working folder (a temporary
// file moved over the old page, so a failure leaves the old page whole) and
// returns "", or why no page was written.
std::string writeEveningPage();
