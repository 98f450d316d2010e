// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef ROVALIN_STARTUP_H
#define ROVALIN_STARTUP_H

class MainWindow;

// Call before the application object exists. The window has a fixed pixel
// layout with point-size fonts: at 120 or 144 DPI the fonts would grow and the
// widgets not. Scaling the whole window instead keeps the logical DPI at 96,
// where everything fits; PassThrough keeps fractional factors such as 1.25.
void enable_high_dpi_scaling();

// Call once the application object exists. Names the menu entry the program
// belongs to (task bars and docks match its windows to the entry by it; on
// Wayland it is the windows' app id), and gives every window the program's
// icon: the one built into the program, and once the window has been painted,
// the desktop icon theme's where it has its own.
void set_desktop_identity();

// Makes a narrow sans-serif the application's default family when one is
// installed, or when fonts/ beside the program brings it (as the Windows build
// does): the window's widgets have fixed pixel sizes, and wider families do
// not fit their captions.
void use_narrow_font();

// What the program does with its window between constructing it and entering
// the event loop: shows it, hides the message and the solution inputs, and
// fills the list of calculation methods (which selects method 0); then says,
// in a box that waits for no answer, which of the user's files cannot be read.
void start_main_window(MainWindow &_window);

#endif // ROVALIN_STARTUP_H
