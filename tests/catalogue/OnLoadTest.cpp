// The window's item list after loading: one entry per catalogue row, in step with the arrays.
#include "tests/support/CollectedMessages.h"
#include "tests/support/PriceDlgProbe.h"
#include "tests/support/TableModule.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// One data row of 38 fields: the name, then "1" in every other field.
std::string row(const std::string& name) {
  std::string line = name;
  for (int i = 0; i < 37; ++i) line += "\t1";
  return line + "\r\n";
}

class OnLoadTest : public ::testing::Test {
protected:
  // The list's entries, after checking that they are the catalogue's names position for position.
  static std::vector<std::string> listedNames(const PriceDlgProbe& dlg) {
    const QComboBox* list = dlg.control<QComboBox>(IDC_ITEM);
    std::vector<std::string> names;
    EXPECT_EQ(list->count(), dlg.m_arrItem.GetSize());
    for (int i = 0; i < list->count(); ++i) {
      names.push_back(list->itemText(i).toStdString());
      if (i < dlg.m_arrItem.GetSize()) {
        EXPECT_EQ(names.back(), dlg.m_arrItem.GetAt(i)) << "position " << i;
      }
    }
    for (const CatalogueColumn& column : kCatalogueColumns)
      EXPECT_EQ((dlg.*column.array).GetSize(), dlg.m_arrItem.GetSize()) << "column " << column.column;
    return names;
  }

  CollectedMessages m_collected;
  std::vector<CString>& m_messages = m_collected.texts;
};

TEST_F(OnLoadTest, TheCarriedTableListsItsFiftyEightNamesInTableOrder) {
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  const std::vector<std::string> names = listedNames(dlg);
  ASSERT_EQ(names.size(), 58u);
  EXPECT_EQ(names.front(), "Axe");
  EXPECT_EQ(names[49], "*Light Archer");
  EXPECT_EQ(names.back(), "*Raider Suit");
  EXPECT_EQ(dlg.m_arrExcRate.GetAt(49),
            "Chainmail Leggings, Chainmail Tunic, Ringmail Gloves, Ringmail Sleeves, Plate Gorget, Close Helm");
  EXPECT_TRUE(m_messages.empty());
}

TEST_F(OnLoadTest, ASecondRunListsEveryNameTwiceAndKeepsTheListInStep) {
  const TableModule table(";Item\r\n" + row("Zebra") + row("Axe"));
  const ScopedResourceHandle handle(&table);
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  dlg.OnLoad();
  EXPECT_EQ(listedNames(dlg), (std::vector<std::string>{"Zebra", "Axe", "Zebra", "Axe"}));
}

TEST_F(OnLoadTest, AMalformedRowIsAnEmptyEntryAndTheRowsAfterItKeepTheirPlaces) {
  const TableModule table(row("First") + "Short\tof\tfields\r\n" + row("Third"));
  const ScopedResourceHandle handle(&table);
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_EQ(listedNames(dlg), (std::vector<std::string>{"First", "", "Third"}));
}

class MissingBytesModule : public CResourceModule {
public:
  ResourceBytes find(int, int) const override { return {nullptr, 100}; }
};

TEST_F(OnLoadTest, ATableThatCannotBeReadIsReportedAndLeavesAnEmptyList) {
  const MissingBytesModule missing;
  const ScopedResourceHandle handle(&missing);
  PriceDlgProbe dlg;
  ASSERT_TRUE(dlg.Create());
  EXPECT_TRUE(listedNames(dlg).empty());
  ASSERT_EQ(m_messages.size(), 1u);
  EXPECT_EQ(m_messages[0].rfind("Data File could not be opened.  (error = ", 0), 0u) << m_messages[0];
}
}  // namespace
