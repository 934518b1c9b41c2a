// A strict reader of RFC 4180 CSV for tests: CR LF after every record, quotes only around whole fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

using CsvRecord = std::vector<std::string>;

// The records of `text`, or nothing when it breaks the format anywhere: a bare CR or LF outside quotes,
// a quote inside a field without quotes, text after a closing quote, an unclosed quote, or no CR LF at the end.
inline std::optional<std::vector<CsvRecord>> readCsv(const std::string& text) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) return std::nullopt;
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          field += text[i];
        }
      }
    } else {
      while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
        if (text[i] == '"') return std::nullopt;
        field += text[i++];
      }
    }
    if (i < text.size() && text[i] == ',') {
      record.push_back(std::move(field));
      field.clear();
      ++i;
    } else if (text.compare(i, 2, "\r\n") == 0) {
      record.push_back(std::move(field));
      field.clear();
      records.push_back(std::move(record));
      record.clear();
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  if (!record.empty() || !field.empty()) return std::nullopt;
  return records;
}
