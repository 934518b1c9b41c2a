// One copy per session: finding the running copy by its main window's title, and answering such a search.
#pragma once

#include <QString>

// The running copy's main window as a later start reaches it: the bus name of the process that shows it.
struct ForeignWindow {
  QString owner;
  QString title;
  explicit operator bool() const { return !owner.isEmpty(); }
};
// The running copy titled windowName. Where there is none, this process claims the application's id on the session
// bus to answer later copies and gets an empty answer, as it does without a session bus.
ForeignWindow FindWindowA(const char* className, const char* windowName);
// Raises the copy's window (not restoring it) with this start's launch token; a copy that does not answer is reported.
void SetForegroundWindow(const ForeignWindow& window);
