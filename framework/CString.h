// Byte strings (UTF-8 where a text is not ASCII) and string arrays with the operations the program uses.
#pragma once

#include <QString>
#include <string>
#include <vector>

class CString : public std::string {
public:
  using std::string::string;
  CString() = default;
  CString(std::string text) : std::string(std::move(text)) {}

  int GetLength() const { return static_cast<int>(size()); }
  bool IsEmpty() const { return empty(); }

  // Replaces the contents with printf-style output of any length.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

  QString toQString() const { return QString::fromUtf8(data(), static_cast<qsizetype>(size())); }
  static CString fromQString(const QString& text) { return CString(text.toStdString()); }
};

class CStringArray {
public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  CString GetAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  const CString& ElementAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  // Stores at index, growing the array with empty strings when index lies past its end.
  void SetAtGrow(int index, const CString& value);

private:
  std::vector<CString> m_items;
};
