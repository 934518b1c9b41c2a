// The message box of the program, routed through one function so that tests and tools can take it over.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

#include <functional>

int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// While set, every message box goes to handler instead of the screen; returns the handler it replaces.
using MessageBoxHandler = std::function<int(const CString& text)>;
MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler);
