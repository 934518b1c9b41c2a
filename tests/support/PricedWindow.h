// A main window open on an item table, with its message boxes collected instead of shown.
#pragma once

#include "tests/support/CollectedMessages.h"
#include "tests/support/PriceDlgProbe.h"
#include "tests/support/TableModule.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

class PricedWindow : public ::testing::Test {
protected:
  // The carried table unless `table` is given.
  void open(std::optional<std::string> table = std::nullopt) {
    if (table) m_table.emplace(std::move(table));
    m_handle.emplace(m_table ? static_cast<HINSTANCE>(&*m_table) : AfxGetResourceHandle());
    ASSERT_TRUE(dlg.Create());
  }

  QComboBox* itemList() const { return dlg.control<QComboBox>(IDC_ITEM); }
  QLineEdit* rateEdit() const { return dlg.control<QLineEdit>(IDC_RATE); }
  QString shown(int id) const { return dlg.control<QLabel>(id)->text(); }
  bool visible(int id) const { return dlg.controlWidget(id)->isVisibleTo(dlg.GetSafeHwnd()); }
  // Picks the item the way the user does, through the list.
  void choose(const char* name) {
    const int index = itemList()->findText(QString::fromUtf8(name));
    ASSERT_GE(index, 0) << name;
    itemList()->setCurrentIndex(index);
  }

private:
  CollectedMessages m_collected;

protected:
  std::vector<CString>& messages = m_collected.texts;
  PriceDlgProbe dlg;

private:
  std::optional<TableModule> m_table;
  std::optional<ScopedResourceHandle> m_handle;
};

// One data row: name, ingots, then the level-100 group (columns 7 to 11) and "0" everywhere else.
inline std::string tableRow(const std::string& name, const std::string& ingots, const std::string& exec = "50") {
  std::string line = name + "\t" + ingots;
  for (int column = 2; column < 38; ++column) line += column == 7 ? "\t" + exec : "\t0";
  return line + "\r\n";
}
