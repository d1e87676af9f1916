#pragma once

#include "platform/desktop.h"

// The console window record: start-up fills it once, the delivery brings that window back to the front
// after starting a PDF viewer.
ConsoleWindowInfo& ConsoleWindow();

// Stores the first top-level window whose class is "tty" or "ConsoleWindowClass" (ASCII case ignored)
// with its title; the record is left as it is when there is none.
void findConsoleWindow(ConsoleWindowInfo& info);

// Stores the first top-level window whose title contains "Acrobat Reader", "Adobe Reader" or
// "Adobe Acrobat" (case counts); no handle and not found when there is none.
void findViewerWindow(ViewerWindowInfo& info);

// Asks the desktop window to activate the window (a hot-key system command).
void bringWindowToFront(WindowHandle window);
