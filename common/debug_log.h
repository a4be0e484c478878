#pragma once

// Appends one formatted line to debug.txt in the working folder: the file is
// opened for append ("a+", as bytes), the message and CR LF are written (the
// line end the Windows runtime's text mode writes, on every platform), and it
// is closed again. When the file cannot be opened the message is dropped.
void debugLog(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Name of the log file, relative to the working folder.
extern const char* const kDebugLogName;
