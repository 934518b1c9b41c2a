// The platform's integer types and the few values that pass between the program and the layer's core.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using DWORD = std::uint32_t;

enum : int {
  IDOK = 1,
  IDCANCEL = 2,
};
enum : UINT {
  MB_OK = 0x0000,
};
