// One copy per user: finding the running copy by its main window's title, and answering such a search.
#pragma once

#include <QLocalSocket>
#include <memory>

using ForeignWindow = std::unique_ptr<QLocalSocket>;  // the running copy's main window, as a later copy reaches it
// Looks for this user's top-level window titled windowName, in any letter case. When there is none, this process claims
// the title until it exits, answers later copies from now on, and gets nothing. A copy still starting is waited for a
// few seconds; a dead one, or a place where no claim can be made, hides no copy.
ForeignWindow FindWindowA(const char* className, const char* windowName);
// Asks the found window to come forward with this start's startup id or activation token, which it uses to end the
// launcher's feedback. It is raised and activated, but not restored when minimised. A request that could not be sent
// is not reported: the later copy ends either way.
void SetForegroundWindow(QLocalSocket* window);
