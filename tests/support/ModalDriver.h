// Driving modal loops from tests without blocking: run code inside a dialog's loop, or act on the next box.
#pragma once

#include <functional>

class CDialog;
class QWidget;

// DoModal's result when the body left the dialog running and the watchdog ended it.
inline constexpr int kTimedOut = -99;

// Runs body once dialog's modal loop is running, and returns what DoModal returns.
int runModal(CDialog& dialog, std::function<void()> body);

// Calls action with the next modal window that opens after this call, from inside its loop.
void onNextModal(std::function<void(QWidget* window)> action);
