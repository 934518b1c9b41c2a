// Byte strings (UTF-8 where a text is not ASCII) and string arrays with the operations the program uses.
#pragma once

#include <QString>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

class CString : public std::string {
public:
  using std::string::string;
  CString() = default;
  CString(std::string text) : std::string(std::move(text)) {}
  bool IsEmpty() const { return empty(); }

  // Replaces the contents with printf-style output, measured first so that none is ever cut short.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    va_list args, probe;
    va_start(args, format);
    va_copy(probe, args);
    const int needed = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    resize(needed < 0 ? 0 : static_cast<std::size_t>(needed));
    std::vsnprintf(data(), size() + 1, format, args);
    va_end(args);
  }

  QString toQString() const { return QString::fromUtf8(data(), static_cast<qsizetype>(size())); }
  static CString fromQString(const QString& text) { return CString(text.toStdString()); }
};

class CStringArray {
public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  CString GetAt(int index) const { return ElementAt(index); }
  const CString& ElementAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  // Stores at index, growing the array with empty strings when index lies past its end.
  void SetAtGrow(int index, const CString& value) {
    const auto at = static_cast<std::size_t>(index);
    if (at >= m_items.size())
      m_items.resize(at + 1);
    m_items[at] = value;
  }

private:
  std::vector<CString> m_items;
};
