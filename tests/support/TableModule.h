// Item tables of a test's own making, put in place of the one the executable carries.
#pragma once

#include "framework/Resources.h"
#include "res/resource.h"

#include <optional>
#include <string>

// A resource module holding only the item table, or nothing at all.
class TableModule : public CResourceModule {
public:
  explicit TableModule(std::optional<std::string> table) : m_table(std::move(table)) {}
  ResourceBytes find(int name, int type) const override {
    if (!m_table || name != IDR_ITEM_TABLE || type != RT_HTML) return {};
    return {m_table->data(), static_cast<DWORD>(m_table->size())};
  }

private:
  std::optional<std::string> m_table;
};

// Makes module the program's resources for the scope's lifetime.
class ScopedResourceHandle {
public:
  explicit ScopedResourceHandle(HINSTANCE module) : m_previous(AfxGetResourceHandle()) { AfxSetResourceHandle(module); }
  ~ScopedResourceHandle() { AfxSetResourceHandle(m_previous); }
  ScopedResourceHandle(const ScopedResourceHandle&) = delete;
  ScopedResourceHandle& operator=(const ScopedResourceHandle&) = delete;

private:
  HINSTANCE m_previous;
};
