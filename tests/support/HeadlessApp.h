// Headless Qt and the application object, with settings and runtime files in a private temporary directory.
#pragma once

#include "framework/CWinApp.h"

#include <QTemporaryDir>
#include <memory>

class HeadlessApp {
public:
  HeadlessApp(int& argc, char** argv);
  // False when the temporary directory could not be made; nothing may run then.
  bool isValid() const { return m_application != nullptr; }

private:
  QTemporaryDir m_scratch;
  std::unique_ptr<QApplication> m_application;
  std::unique_ptr<CWinApp> m_winApp;
};
