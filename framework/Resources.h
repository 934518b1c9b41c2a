// The executable's own resources, and message boxes as a hook that the window part of the layer shows on screen.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

#include <functional>

struct ResourceBytes {
  const char* data = nullptr;
  DWORD size = 0;
};

// A set of resources, by default the executable's own; tests put one of their own in its place.
class CResourceModule {
public:
  virtual ~CResourceModule() = default;
  // The bytes of resource (name, type) where they lie: {nullptr, 0} if none, {nullptr, size} if not readable in place.
  virtual ResourceBytes FindResource(int name, int type) const;
};
using HINSTANCE = const CResourceModule*;
// The module whose resources the program reads, the executable's own until one is set.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// Until a program sets a handler, the text goes to the error stream as one line; a program with windows shows a box.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
using MessageBoxHandler = std::function<int(const CString& text)>;
// Returns the handler replaced.
MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler);
