// What the test binaries share: Qt's types printed, tables, locales and message boxes of their own, the main window run
// headless, and real processes.
#pragma once

#include "framework/CWinApp.h"
#include "framework/Locale.h"
#include "ui/CPriceDlg.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <optional>
#include <ostream>

// Qt's types as a failure shows them, and in the messages streamed to a failure.
std::ostream& operator<<(std::ostream& out, const QString& text);
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QPoint& point, std::ostream* out);
void PrintTo(const QSize& size, std::ostream* out);

// While it lives, an item table of the test's own, or none, in place of the carried one.
struct TableModule : CResourceModule {
  explicit TableModule(std::optional<std::string> bytes) : table(std::move(bytes)) { AfxSetResourceHandle(this); }
  ~TableModule() override { AfxSetResourceHandle(previous); }
  ResourceBytes FindResource(int name, int type) const override {
    if (!table || name != IDR_ITEM_TABLE || type != RT_HTML)
      return {};
    return {table->data(), static_cast<DWORD>(table->size())};
  }
  std::optional<std::string> table;
  HINSTANCE previous = AfxGetResourceHandle();
};
// One data row: name, ingots, "50" for the exec rate (column 7) and "0" in every other field.
std::string tableRow(const std::string& name, const std::string& ingots);

// The message boxes shown while the object lives, collected instead of shown.
struct CollectedMessages {
  CollectedMessages();
  ~CollectedMessages() { AfxSetMessageBoxHandler(previous); }
  std::vector<CString> texts;
  MessageBoxHandler previous;
};

// While it lives, the system-wide locale configuration is one file of these lines, read at the layer's next query.
struct SystemLocale {
  explicit SystemLocale(const std::string& lines) {
    file.open();
    file.write(lines.data(), static_cast<qint64>(lines.size()));
    file.flush();
    previous = setSystemLocaleConfigFiles({file.fileName().toStdString()});
  }
  ~SystemLocale() { setSystemLocaleConfigFiles(previous); }
  QTemporaryFile file;
  std::vector<std::string> previous;
};

// The main window with its handlers reachable, and its controls as the user sees them.
struct PriceDlgProbe : CPriceDlg {
  using CPriceDlg::OnSelchangeItem, CPriceDlg::OnSkill100, CPriceDlg::ToggleTopMost;
  QWidget* window() const { return GetSafeHwnd(); }
  QComboBox* items() const { return qobject_cast<QComboBox*>(controlWidget(IDC_ITEM)); }
  QLineEdit* rate() const { return qobject_cast<QLineEdit*>(controlWidget(IDC_RATE)); }
  QString shown(int id) const { return qobject_cast<QLabel*>(controlWidget(id))->text(); }
  void choose(const char* name) const { items()->setCurrentIndex(items()->findText(QString::fromUtf8(name))); }
  // Shows the item at the level as a level command would, then types the Rate.
  void price(const char* name, int level, const char* text) {
    choose(name);
    m_nLevel = level;
    OnSelchangeItem();
    rate()->setText(QString::fromUtf8(text));
  }
};

// Runs body in the main window's modal loop, then ends it with kEndedByTest unless body did; returns DoModal's result.
inline constexpr int kEndedByTest = -2;
int withWindow(const std::function<void(PriceDlgProbe& dlg)>& body);
// Calls action from inside the next modal window or pop-up menu that opens.
void onNextPopup(const std::function<void(QWidget* popup)>& action);

// Where the profile of integer settings lives, as any INI reader would find it.
inline QString storePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
         QCoreApplication::applicationName() + ".ini";
}
// Headless Qt and the application in private directories, an en_US system locale under a German user's environment
// (whose numbers must change nothing), any uncollected message box a failure; no display for the processes started.
void startHeadless(int& argc, char** argv);

// A user's session for real processes: its own session bus and directories, and its processes (killed with it).
struct Session {
  Session();
  // Starts command in the session, headless unless the environment given says otherwise.
  QProcess& start(const QStringList& environment = {}, const QStringList& command = {QUENCHMARK_BINARY});
  // Which of copies the session bus names as the owner of the program's id, waited for: its process id, else 0.
  qint64 owner(const std::vector<QProcess*>& copies) const;
  QTemporaryDir root;  // the runtime directory, with the configuration directory "config" in it
  std::vector<std::unique_ptr<QProcess>> processes;
  QString bus;  // its address
};
// Waits for the process to end; whether it ended by itself with status 0.
bool endsWell(QProcess& process);
