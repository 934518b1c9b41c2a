// One copy per session: finding the running copy by its main window's title, and answering such a search.
#pragma once

#include <QString>

// The running copy's main window as a later start reaches it: the bus name of the process that shows it.
struct ForeignWindow {
  QString owner;
  QString title;
  explicit operator bool() const { return !owner.isEmpty(); }
};
// Empty where no copy titled windowName runs, this one then claiming the app's id to answer later ones, or no bus is.
ForeignWindow FindWindowA(const char* className, const char* windowName);
// Raises the copy's window (not restoring it) with this start's launch token; a copy that does not answer is reported.
void SetForegroundWindow(const ForeignWindow& window);
