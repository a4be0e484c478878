#pragma once

// The version both programs show: "2.0k" in the report title and the
// credits windows.
constexpr const wchar_t* kVersionText = L"2.0k";
