// Points the system locale layer at configuration files of a test's own for the test's lifetime.
#pragma once

#include "framework/SystemLocale.h"

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

class TemporarySystemLocale {
public:
  TemporarySystemLocale() : m_previous(setSystemLocaleConfigFiles({localeConf(), defaultLocale()})) {}
  ~TemporarySystemLocale() { setSystemLocaleConfigFiles(m_previous); }
  TemporarySystemLocale(const TemporarySystemLocale&) = delete;
  TemporarySystemLocale& operator=(const TemporarySystemLocale&) = delete;

  // Stand-ins for /etc/locale.conf and /etc/default/locale; neither exists until written.
  std::string localeConf() const { return m_dir.filePath(QStringLiteral("locale.conf")).toStdString(); }
  std::string defaultLocale() const { return m_dir.filePath(QStringLiteral("default-locale")).toStdString(); }

  static void write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }
  // Names `posixName` as the system locale, the way a configuration tool writes it.
  void setLang(const std::string& posixName) const { write(localeConf(), "LANG=" + posixName + "\n"); }

private:
  QTemporaryDir m_dir;
  std::vector<std::string> m_previous;
};
