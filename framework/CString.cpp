// printf-style formatting into a CString and the growing store of CStringArray.
#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list probe;
  va_copy(probe, args);
  const int needed = std::vsnprintf(nullptr, 0, format, probe);
  va_end(probe);
  if (needed < 0) {
    clear();
  } else {
    resize(static_cast<std::size_t>(needed));
    std::vsnprintf(data(), static_cast<std::size_t>(needed) + 1, format, args);
  }
  va_end(args);
}

void CStringArray::SetAtGrow(int index, const CString& value) {
  const auto at = static_cast<std::size_t>(index);
  if (at >= m_items.size()) m_items.resize(at + 1);
  m_items[at] = value;
}
