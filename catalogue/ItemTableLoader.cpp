// The item table loader: lines split into fields by one pattern, comment and empty lines skipped.
#include "catalogue/ItemTableLoader.h"

#include "catalogue/CRegex.h"
#include "catalogue/CResourceFile.h"
#include "framework/CArchive.h"
#include "framework/Resources.h"
#include "res/resource.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kSeparators = 37;  // TABs between the 38 fields of a line

// The row pattern: each lazy group stops at the next TAB, the last takes the rest of the line.
CString rowPattern() {
  CString pattern;
  for (int i = 0; i < kSeparators; ++i)
    pattern += "(.*?)\t";
  pattern += "(.*)";
  return pattern;
}

// TABs as the pattern sees the line, that is up to its first NUL.
long separatorsSeen(const CString& line) {
  const char* text = line.c_str();
  return std::count(text, text + std::strlen(text), '\t');
}

void appendRow(ItemCatalogue& catalogue, const CRegex& regex, const CString& line) {
  // With too few TABs the pattern cannot match, but finding that out means trying every way of sharing
  // the TABs among the lazy groups, which takes seconds per field; the result, every field empty, is known.
  const bool matches = separatorsSeen(line) >= kSeparators;
  for (const CatalogueColumn& column : kCatalogueColumns) {
    CStringArray& array = catalogue.*column.array;
    array.SetAtGrow(array.GetSize(), matches ? regex.GetGroup(line.c_str(), column.column + 1) : CString());
  }
}

void readRows(CSharedFile& file, ItemCatalogue& catalogue) {
  CArchive archive(&file, CArchive::load, 4096);
  const CRegex regex(rowPattern().c_str());
  CString line;
  while (archive.ReadString(line)) {
    if (line.IsEmpty() || line.front() == ';')
      continue;
    appendRow(catalogue, regex, line);
  }
}

void showFailure(const char* format, int cause) {
  CString text;
  text.Format(format, cause);
  AfxMessageBox(text.c_str(), MB_OK, 0);
}

// Runs the reading steps; the objects they made are gone by the time a failure's message shows.
template <typename Steps>
void reportingFailures(Steps steps) {
  try {
    steps();
  } catch (const CFileException& failure) {
    showFailure("Data File could not be opened.  (error = %d)", failure.m_cause);
  } catch (const CArchiveException& failure) {
    showFailure("Data File could not be read.  (error = %d)", failure.m_cause);
  }
}
}  // namespace

void loadItemTable(ItemCatalogue& catalogue) {
  reportingFailures([&] {
    const ResourceBytes table = AfxGetResourceHandle()->FindResource(IDR_ITEM_TABLE, RT_HTML);
    CResourceFile file;
    file.Attach(table.data, table.size, table.size);
    readRows(file, catalogue);
  });
}
