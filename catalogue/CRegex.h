// One compiled regular expression that hands out the text of a capture group of its first match in a line.
#pragma once

#include "framework/CString.h"

#include <memory>

class CRegex {
public:
  // Compiles pattern without flags (case-sensitive, "." stops only at LF); a failure is kept, not reported.
  explicit CRegex(const char* pattern);
  virtual ~CRegex();
  CRegex(const CRegex&) = delete;
  CRegex& operator=(const CRegex&) = delete;

  // The text of capture group index (0: the whole match) of the first match in subject, which is read up
  // to its NUL. Empty when the pattern did not compile, nothing matches, index lies outside 0..59, or
  // the group took no part in the match. Each call matches anew.
  CString GetGroup(const char* subject, int index) const;

private:
  // Holds the regex_t of PCRE2's POSIX interface. Its header stays in CRegex.cpp: it declares regex_t and
  // regmatch_t anew, so no file that also includes the C library's <regex.h> could include this one.
  struct Compiled;

  std::unique_ptr<Compiled> m_regex;
  bool m_bCompiled;
};
