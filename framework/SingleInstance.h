// One copy per user: finding the running copy by its main window's title, and answering such a search.
#pragma once

#include <QLocalSocket>
#include <memory>

// The running copy's main window, as another process of the same user reaches it.
using ForeignWindow = std::unique_ptr<QLocalSocket>;

// Looks for this user's top-level window titled windowName, in any letter case. When there is none, this process claims
// the title until it exits, answers the searches of later copies from now on, and gets nothing. A copy that is still
// starting is waited for a few seconds; one that died leaves nothing behind that counts, and a place where no claim can
// be made hides no copy.
ForeignWindow FindWindowA(const char* className, const char* windowName);

// Asks the found window to come forward with this start's startup id or activation token, which it uses to end the
// launcher's feedback. It is raised and activated, but not restored when minimised.
bool SetForegroundWindow(QLocalSocket* window);
