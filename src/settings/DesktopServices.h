#pragma once

// Connects the settings and folder helpers to the desktop of a graphical program: the screen the
// main window is centred on by default. Call once the application object exists. The helpers
// themselves need only QtCore, so the command line loads no graphics libraries.
void InstallDesktopServices();
