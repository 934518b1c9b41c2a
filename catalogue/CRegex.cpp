// The regular expression on PCRE2's POSIX-style interface, with a fixed number of match slots.
#include "catalogue/CRegex.h"

#include <pcre2posix.h>

namespace {
// Match slots passed to every search, whole match included; groups from here on are never reported.
constexpr int kMatchSlots = 60;
}  // namespace

struct CRegex::Compiled {
  regex_t regex{};
};

CRegex::CRegex(const char* pattern)
    : m_regex(std::make_unique<Compiled>()), m_bCompiled(regcomp(&m_regex->regex, pattern, 0) == 0) {}

CRegex::~CRegex() {
  // A pattern that failed to compile left nothing to release.
  if (m_bCompiled)
    regfree(&m_regex->regex);
}

CString CRegex::GetGroup(const char* subject, int index) const {
  if (!m_bCompiled || index < 0 || index >= kMatchSlots)
    return {};
  regmatch_t matches[kMatchSlots];
  if (regexec(&m_regex->regex, subject, kMatchSlots, matches, 0) != 0)
    return {};
  const regmatch_t& group = matches[index];
  // A group that took no part in the match has the offsets -1.
  if (group.rm_so < 0)
    return {};
  return CString(subject + group.rm_so, static_cast<std::size_t>(group.rm_eo - group.rm_so));
}
