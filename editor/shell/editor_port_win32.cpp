// The editor's state and the bridge the portable editor code calls back
// through: the error box, the live display's contents and the tray icon's
// balloon.
#include "editor/shell/editor_port_win32.h"

#include "editor/shell/live_display_win32.h"
#include "win32/tray_program_win32.h"

EditorState g_editor;

namespace {

// The error box comes up in front of every window, with the focus, through
// showFrontBox: owned by the shown secondary window, so that it makes no
// second box until the box is closed, else by the main window.
class WindowsEditorPort : public EditorPort {
public:
    void showErrorBox(const wchar_t* text) override { showProgramError(text); }

    void setDisplayText(const wchar_t* text) override { setLiveDisplayText(text); }

    void showNote(const wchar_t* text) override { showTrayNote(text); }
};

WindowsEditorPort g_windowsPort;

}  // namespace

EditorPort& editorPort() { return g_windowsPort; }
