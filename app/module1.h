#pragma once

namespace vrc::ui {
class FrmAbout;
class FrmVornRating;
} // namespace vrc::ui

// The start-up module: the program's two forms and Main.
namespace vrc::app::Module1 {

// The form instances, each created on first use and kept until the program
// ends. Creating one does not show it.
ui::FrmAbout &frmAbout();
ui::FrmVornRating &frmVornRating();

// Names the program to Qt and the desktop, and sets the icon every window
// shows; call once the application object exists.
void ApplyProgramIdentity();

// Speaks the user's language, as the platform states it, and lays the windows out
// right to left for a language written that way; call before any window is made.
void ApplyUserLanguage();

// Shows the About window modally, then, once it is closed, the rating window
// modelessly, and returns: from here on the event loop runs the program.
void Main();

// Destroys both forms; called once the event loop has finished.
void UnloadForms();

} // namespace vrc::app::Module1
