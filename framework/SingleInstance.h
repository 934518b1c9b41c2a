// One copy per session: finding the running copy by its main window's title, and answering such a search.
#pragma once

#include <QString>

// The running copy's main window as a later start reaches it: the session bus's name for the process that shows it.
struct ForeignWindow {
  QString owner;
  QString title;
  explicit operator bool() const { return !owner.isEmpty(); }
};
// Looks for the session's copy whose main window is titled windowName. When there is none, this process claims the
// application's id (its desktop file name) on the session bus until it exits, answers later copies from now on, and
// gets nothing. Without a session bus there is neither a copy to find nor a claim to make.
ForeignWindow FindWindowA(const char* className, const char* windowName);
// Asks the found copy to bring its window forward with this start's startup id or activation token, which it uses to
// end the launcher's feedback; the window is raised and activated, but not restored when minimised. A copy that does
// not answer is reported on standard error and in a message box.
void SetForegroundWindow(const ForeignWindow& window);
