// The program's own resources: icons and blocks of bytes compiled into the executable, found by number.
#pragma once

#include "framework/Types.h"

struct ResourceBytes {
  const char* data = nullptr;
  DWORD size = 0;
};

// A set of resources: the executable's own, or one that a test supplies in its place.
class CResourceModule {
public:
  virtual ~CResourceModule() = default;
  // The bytes of resource (name, type), valid while the module lives; {nullptr, 0} when there is none.
  virtual ResourceBytes find(int name, int type) const = 0;
};
using HINSTANCE = const CResourceModule*;

// The module whose resources the program reads: the executable itself unless replaced.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// Locates, loads and locks resource (name, type) of module in one step: its bytes, read in place.
ResourceBytes FindResourceBytes(HINSTANCE module, int name, int type);

// The icon group id with every size the executable carries for it.
HICON loadIconResource(UINT id);
