#pragma once
// Start-up: the application object, the six windows and the message loop.
class QApplication;

namespace kopira::startup {

// Reads the command line: "--version" prints the version (false: end now);
// the desktop entry's "--desktop" puts the history and notes in the user's
// data folder. Other arguments are left to Qt.
bool takeArguments(int argc, char** argv);

// Sets the application title and the font stand-ins, and loads Qt's texts
// in the user's language.
void initialiseApplication(QApplication& app);

// Creates Form1 to Form6, in that order; closing Form1 quits the loop.
void createWindows(QApplication& app);

// Shows the main window and makes it the active window.
void showMainWindow();

// Brings the main window (or the modal window in front of it) to the front,
// un-minimised, for a later start on the same files.
void bringMainWindowForward();

// Destroys the six windows, the last created first.
void destroyWindows();

// The whole program: returns the process exit code.
int run(int argc, char** argv);

}  // namespace kopira::startup
