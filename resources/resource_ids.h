#pragma once

// Resource ids both programs use, in their .rc scripts and in their code.
#define IDS_APP_TITLE 103     // the main window title
#define IDS_WINDOW_CLASS 109  // the main window class name
#define IDI_LARGE 107         // the large program icon
#define IDI_SMALL 108         // the small program icon
