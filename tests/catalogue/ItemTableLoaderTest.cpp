// The loader over tables of our own making and over the carried one: which lines become rows, what each
// field holds, and what a failure leaves behind.
#include "catalogue/ItemTableLoader.h"
#include "framework/CSharedFile.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"
#include "res/resource.h"
#include "tests/support/CollectedMessages.h"
#include "tests/support/TableModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {
// Bytes that claim a size but are not there.
class MissingBytesModule : public CResourceModule {
public:
  ResourceBytes find(int, int) const override { return {nullptr, 100}; }
};

class LoaderTest : public ::testing::Test {
protected:
  ItemCatalogue load(const std::optional<std::string>& table) {
    ItemCatalogue catalogue;
    loadInto(catalogue, table);
    return catalogue;
  }
  void loadInto(ItemCatalogue& catalogue, const std::optional<std::string>& table) {
    const TableModule module(table);
    const ScopedResourceHandle handle(&module);
    loadItemTable(catalogue);
  }

  CollectedMessages m_collected;
  std::vector<CString>& m_messages = m_collected.texts;
};

// The rows' count, after checking that every array has it.
int rowCount(const ItemCatalogue& catalogue) {
  const int rows = catalogue.m_arrItem.GetSize();
  for (const CatalogueColumn& column : kCatalogueColumns)
    EXPECT_EQ((catalogue.*column.array).GetSize(), rows) << "column " << column.column;
  return rows;
}

std::vector<std::string> names(const ItemCatalogue& catalogue) {
  std::vector<std::string> out;
  for (int i = 0; i < catalogue.m_arrItem.GetSize(); ++i) out.push_back(catalogue.m_arrItem.GetAt(i));
  return out;
}

// A data line whose field k reads "<name>.<k>", with tabs TABs; field 0 is the name itself.
std::string line(const std::string& name, int tabs = 37) {
  std::string text = name;
  for (int k = 1; k <= tabs; ++k) text += "\t" + name + "." + std::to_string(k);
  return text;
}

std::string table(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string bytes;
  for (const std::string& l : lines) bytes += l + end;
  return bytes;
}

void expectEmptyRow(const ItemCatalogue& catalogue, int row) {
  for (const CatalogueColumn& column : kCatalogueColumns)
    EXPECT_EQ((catalogue.*column.array).GetAt(row), "") << "row " << row << ", column " << column.column;
}

const std::string kHeader = line(";Item");

// ---- which column lands where ----

TEST_F(LoaderTest, EveryArrayTakesItsOwnColumn) {
  const ItemCatalogue c = load(table({kHeader, line("r")}));
  ASSERT_EQ(rowCount(c), 1);
  const std::vector<std::pair<const CStringArray*, int>> expected{
      {&c.m_arrItem, 0},     {&c.m_arrIngots, 1},  {&c.m_arrExcRate, 7},  {&c.m_arrNormRate, 8},
      {&c.m_arrBARate, 9},   {&c.m_arrFailRate, 10}, {&c.m_arrDOA, 11},   {&c.m_arrEx90, 13},
      {&c.m_arrAvg90, 14},   {&c.m_arrBel90, 15},  {&c.m_arrFail90, 16},  {&c.m_arrDOA90, 17},
      {&c.m_arrEx80, 18},    {&c.m_arrAvg80, 19},  {&c.m_arrBel80, 20},   {&c.m_arrFail80, 21},
      {&c.m_arrDOA80, 22},   {&c.m_arrEx70, 23},   {&c.m_arrAvg70, 24},   {&c.m_arrBelow70, 25},
      {&c.m_arrFail70, 26},  {&c.m_arrDOA70, 27},  {&c.m_arrEx60, 28},    {&c.m_arrAvg60, 29},
      {&c.m_arrBel60, 30},   {&c.m_arrFails60, 31}, {&c.m_arrDOA60, 32},  {&c.m_arrEx50, 33},
      {&c.m_arrAvg50, 34},   {&c.m_arrBel50, 35},  {&c.m_arrFail50, 36},  {&c.m_arrDOA50, 37}};
  for (const auto& [array, column] : expected)
    EXPECT_EQ(array->GetAt(0), column == 0 ? "r" : "r." + std::to_string(column)) << "column " << column;
}

TEST_F(LoaderTest, ColumnsThatAreNotKeptChangeNothing) {
  std::string changed = "r";
  for (int k = 1; k <= 37; ++k)
    changed += "\t" + ((k >= 2 && k <= 6) || k == 12 ? std::string("other") : "r." + std::to_string(k));
  const ItemCatalogue original = load(table({line("r")}));
  const ItemCatalogue edited = load(table({changed}));
  for (const CatalogueColumn& column : kCatalogueColumns)
    EXPECT_EQ((edited.*column.array).GetAt(0), (original.*column.array).GetAt(0)) << "column " << column.column;
}

// ---- which lines are rows ----

TEST_F(LoaderTest, CommentLinesAreSkippedWhereverTheyStand) {
  const ItemCatalogue c = load(table({kHeader, line("a"), ";a comment", ";", line("b"), line(";late")}));
  EXPECT_EQ(rowCount(c), 2);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "b"}));
}

TEST_F(LoaderTest, ABlankBeforeTheSemicolonMakesADataRow) {
  const ItemCatalogue c = load(table({line(" ;not a comment"), line("b")}));
  EXPECT_EQ(names(c), (std::vector<std::string>{" ;not a comment", "b"}));
}

TEST_F(LoaderTest, EmptyLinesAddNoRowAndShiftNothing) {
  const ItemCatalogue c = load(table({"", kHeader, "", line("a"), "", "", line("b"), ""}));
  EXPECT_EQ(rowCount(c), 2);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(c.m_arrIngots.GetAt(1), "b.1");
}

TEST_F(LoaderTest, ALineOfBlanksIsADataRowOfEmptyFields) {
  // Without TABs the row pattern finds no fields, so even the blanks of the name are not kept.
  const ItemCatalogue c = load(table({line("a"), "   ", line("b")}));
  ASSERT_EQ(rowCount(c), 3);
  expectEmptyRow(c, 1);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(LoaderTest, BlanksInsideFieldsAreKept) {
  std::string spaced = "  x ";
  for (int k = 1; k <= 37; ++k) spaced += "\t " + std::to_string(k) + " ";
  const ItemCatalogue c = load(table({spaced}));
  ASSERT_EQ(rowCount(c), 1);
  EXPECT_EQ(c.m_arrItem.GetAt(0), "  x ");
  EXPECT_EQ(c.m_arrIngots.GetAt(0), " 1 ");
  EXPECT_EQ(c.m_arrDOA50.GetAt(0), " 37 ");
}

TEST_F(LoaderTest, RowsStayInTableOrder) {
  const ItemCatalogue c = load(table({line("Zebra"), line("Axe"), line("Mace"), line("Axe")}));
  EXPECT_EQ(names(c), (std::vector<std::string>{"Zebra", "Axe", "Mace", "Axe"}));
}

// ---- TABs ----

class TooFewTabs : public LoaderTest, public ::testing::WithParamInterface<int> {};

TEST_P(TooFewTabs, GiveARowOfEmptyFieldsAndKeepTheRowsAfterInStep) {
  const ItemCatalogue c = load(table({line("a"), line("short", GetParam()), line("b")}));
  ASSERT_EQ(rowCount(c), 3);
  expectEmptyRow(c, 1);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(c.m_arrDOA50.GetAt(2), "b.37");
}

INSTANTIATE_TEST_SUITE_P(Tabs, TooFewTabs, ::testing::Values(0, 1, 20, 36));

TEST_F(LoaderTest, SurplusTabsStayInTheLastColumn) {
  const ItemCatalogue c = load(table({line("a") + "\textra\t\tmore"}));
  ASSERT_EQ(rowCount(c), 1);
  EXPECT_EQ(c.m_arrDOA50.GetAt(0), "a.37\textra\t\tmore");
  EXPECT_EQ(c.m_arrFail50.GetAt(0), "a.36");
}

TEST_F(LoaderTest, TabsSideBySideGiveEmptyFields) {
  const ItemCatalogue c = load(table({"name" + std::string(37, '\t')}));
  ASSERT_EQ(rowCount(c), 1);
  EXPECT_EQ(c.m_arrItem.GetAt(0), "name");
  for (const CatalogueColumn& column : kCatalogueColumns) {
    if (column.column != 0) {
      EXPECT_EQ((c.*column.array).GetAt(0), "") << "column " << column.column;
    }
  }
}

TEST_F(LoaderTest, TabsAreCountedOnlyUpToANul) {
  std::string cut = line("cut");
  cut.insert(cut.find("cut.10"), 1, '\0');  // 9 TABs before the NUL
  std::string tail = line("tail");
  tail += std::string("\0\tafter", 7);  // the NUL ends the last field
  const ItemCatalogue c = load(table({cut, tail}));
  ASSERT_EQ(rowCount(c), 2);
  expectEmptyRow(c, 0);
  EXPECT_EQ(c.m_arrItem.GetAt(1), "tail");
  EXPECT_EQ(c.m_arrDOA50.GetAt(1), "tail.37");
}

// ---- line ends ----

TEST_F(LoaderTest, LfOnlyLinesAndALastLineWithoutEnd) {
  const ItemCatalogue c = load(kHeader + "\n" + line("a") + "\n" + line("b") + "\r\n" + line("c"));
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(c.m_arrDOA50.GetAt(2), "c.37");
  EXPECT_EQ(c.m_arrDOA50.GetAt(0), "a.37");
}

TEST_F(LoaderTest, ALineLongerThanTheArchiveBufferComesWhole) {
  const std::string longName(10000, 'n');
  const ItemCatalogue c = load(table({line("a"), line(longName)}));
  ASSERT_EQ(rowCount(c), 2);
  EXPECT_EQ(c.m_arrItem.GetAt(1), longName);
  EXPECT_EQ(c.m_arrDOA50.GetAt(1), longName + ".37");
}

// ---- runs ----

TEST_F(LoaderTest, ASecondRunAppendsEveryRowOnceMore) {
  ItemCatalogue c;
  const std::string bytes = table({kHeader, line("a"), line("b")});
  loadInto(c, bytes);
  loadInto(c, bytes);
  EXPECT_EQ(rowCount(c), 4);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a", "b", "a", "b"}));
  EXPECT_EQ(c.m_arrExcRate.GetAt(3), "b.7");
}

TEST_F(LoaderTest, AnAbsentOrEmptyTableLoadsNothingAndSaysNothing) {
  EXPECT_EQ(rowCount(load(std::nullopt)), 0);
  EXPECT_EQ(rowCount(load(std::string())), 0);
  EXPECT_EQ(rowCount(load(table({kHeader, ";"}))), 0);
  EXPECT_TRUE(m_messages.empty());
}

TEST_F(LoaderTest, TableBytesThatAreNotThereAreReportedAsAnOpenFailure) {
  const MissingBytesModule module;
  const ScopedResourceHandle handle(&module);
  ItemCatalogue c;
  loadItemTable(c);
  EXPECT_EQ(rowCount(c), 0);
  EXPECT_EQ(m_messages, (std::vector<CString>{"Data File could not be opened.  (error = 1)"}));
}

// Serves its bytes a few at a time, then fails as a broken store would.
class FileFailingAt : public CFile {
public:
  FileFailingAt(std::string bytes, std::size_t failAt) : m_bytes(std::move(bytes)), m_failAt(failAt) {}
  UINT Read(void* buffer, UINT count) override {
    if (m_position >= m_bytes.size()) return 0;
    if (m_position >= m_failAt) throw CFileException(CFileException::readFault);
    const std::size_t n = std::min<std::size_t>({count, 5, m_failAt - m_position});
    std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
  }

private:
  std::string m_bytes;
  std::size_t m_failAt;
  std::size_t m_position = 0;
};

TEST_F(LoaderTest, AReadFailureMidTableKeepsTheRowsReadSoFar) {
  const std::string bytes = table({kHeader, line("a"), line("b"), line("c")});
  const std::size_t midC = bytes.find(line("c")) + 40;
  ItemCatalogue c;
  loadInto(c, table({line("earlier")}));
  FileFailingAt file(bytes, midC);
  readItemTable(file, c);
  EXPECT_EQ(rowCount(c), 3);
  EXPECT_EQ(names(c), (std::vector<std::string>{"earlier", "a", "b"}));
  EXPECT_EQ(m_messages, (std::vector<CString>{"Data File could not be opened.  (error = 3)"}));
}

TEST_F(LoaderTest, AFailureRightAfterALineEndLosesNoRow) {
  const std::string bytes = table({line("a"), line("b")});
  FileFailingAt file(bytes, bytes.find(line("b")));
  ItemCatalogue c;
  readItemTable(file, c);
  EXPECT_EQ(names(c), (std::vector<std::string>{"a"}));
  EXPECT_EQ(m_messages.size(), 1u);
}

TEST_F(LoaderTest, AFileThatMisreportsItsReadsIsReportedAsAReadFailure) {
  class Overreporting : public CFile {
  public:
    UINT Read(void*, UINT count) override { return count + 1; }
  } file;
  ItemCatalogue c;
  readItemTable(file, c);
  EXPECT_EQ(rowCount(c), 0);
  EXPECT_EQ(m_messages, (std::vector<CString>{"Data File could not be read.  (error = 1)"}));
}

TEST_F(LoaderTest, ReadingAFileStartsAtItsCurrentPosition) {
  const std::string bytes = table({line("a"), line("b")});
  CSharedFile file;
  file.Attach(bytes.data(), static_cast<DWORD>(bytes.size()), static_cast<DWORD>(bytes.size()));
  char skipped[256];
  ASSERT_EQ(file.Read(skipped, static_cast<UINT>(line("a").size() + 2)), line("a").size() + 2);
  ItemCatalogue c;
  readItemTable(file, c);
  EXPECT_EQ(names(c), (std::vector<std::string>{"b"}));
}

// ---- the table the program carries ----

TEST_F(LoaderTest, TheCarriedTableGivesItsFiftyEightRows) {
  ItemCatalogue c;
  loadItemTable(c);
  ASSERT_EQ(rowCount(c), 58);
  EXPECT_EQ(c.m_arrItem.GetAt(0), "Axe");
  EXPECT_EQ(c.m_arrItem.GetAt(57), "*Raider Suit");
  EXPECT_EQ(c.m_arrExcRate.GetAt(49),
            "Chainmail Leggings, Chainmail Tunic, Ringmail Gloves, Ringmail Sleeves, Plate Gorget, Close Helm");
  EXPECT_EQ(c.m_arrIngots.GetAt(49), "101");
  EXPECT_EQ(c.m_arrItem.GetAt(31), "Plate Breastpiece");
  EXPECT_EQ(c.m_arrExcRate.GetAt(31), "4.5");
  EXPECT_EQ(c.m_arrDOA80.GetAt(31), "6.7");
  EXPECT_EQ(c.m_arrDOA50.GetAt(15), "6.2");  // "Female Plate", the last field of its line
  EXPECT_TRUE(m_messages.empty());
}
}  // namespace
