// Reads the carried item table, prices it and writes the sheet, reporting on the error stream.
#include "sheet/SheetCommand.h"

#include "catalogue/ItemTableLoader.h"
#include "framework/Resources.h"
#include "sheet/SheetOptions.h"
#include "sheet/SheetOutput.h"

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {
constexpr const char* kProgram = "quenchmark-sheet";

// Routes the message boxes the loader would show to the error stream for the scope's lifetime.
class MessagesToStream {
public:
  explicit MessagesToStream(std::ostream& err)
      : m_previous(AfxSetMessageBoxHandler([this, &err](const CString& text) {
          err << kProgram << ": " << text << '\n';
          m_shown = true;
          return IDOK;
        })) {}
  ~MessagesToStream() { AfxSetMessageBoxHandler(std::move(m_previous)); }
  MessagesToStream(const MessagesToStream&) = delete;
  MessagesToStream& operator=(const MessagesToStream&) = delete;

  bool shown() const { return m_shown; }

private:
  MessageBoxHandler m_previous;
  bool m_shown = false;
};

// Writes the text in one piece, so that a failed write is seen, with the system's reason.
int emit(std::ostream& out, std::ostream& err, const std::string& text) {
  errno = 0;
  out << text << std::flush;
  if (out)
    return kSheetPrinted;
  err << kProgram << ": cannot write the sheet" << (errno ? std::string(": ") + std::strerror(errno) : std::string())
      << '\n';
  return kSheetFailed;
}
}  // namespace

int runSheet(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  const SheetCommandLine commandLine = parseSheetCommandLine(arguments);
  switch (commandLine.action) {
    case SheetCommandLine::error:
      err << kProgram << ": " << commandLine.text << " (see " << kProgram << " --help)\n";
      return kSheetBadArgument;
    case SheetCommandLine::help:
    case SheetCommandLine::version:
      return emit(out, err, commandLine.text);
    case SheetCommandLine::run:
      break;
  }

  const SheetOptions& options = commandLine.options;
  ItemCatalogue catalogue;
  {
    const MessagesToStream messages(err);
    loadItemTable(catalogue);
    // A sheet that silently lacks the rows after a read failure would pass for the whole table.
    if (messages.shown())
      return kSheetFailed;
  }
  if (catalogue.m_arrItem.GetSize() == 0) {
    err << kProgram << ": the item table holds no items\n";
    return kSheetFailed;
  }

  const PriceSheet sheet = makePriceSheet(catalogue, options.rate, options.levels);
  for (const SheetRow& row : sheet.rows)
    if (row.first().calculation.invalidIngots)
      err << kProgram << ": warning: " << row.first().texts.name << ": Invalid value entered for Ingots (\""
          << row.first().texts.ingots << "\"); its figures are 0.00\n";

  std::ostringstream text;
  if (options.csv)
    writeSheetCsv(text, sheet, options.sort);
  else
    writeSheetText(text, sheet, options.sort);
  return emit(out, err, text.str());
}
