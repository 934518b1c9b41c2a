// The capture groups CRegex hands out: whole match, groups that took part or not, bounds, and failed patterns.
#include "catalogue/CRegex.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct GroupCase {
  const char* pattern;
  std::string subject;
  int index;
  const char* expected;
};

class CRegexGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(CRegexGroups, ReturnsTheGroupsText) {
  const GroupCase& c = GetParam();
  const CRegex regex(c.pattern);
  EXPECT_EQ(regex.GetGroup(c.subject.c_str(), c.index), c.expected)
      << "/" << c.pattern << "/ on \"" << c.subject << "\", group " << c.index;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CRegexGroups,
    ::testing::Values(
        GroupCase{"b(c)d", "abcde", 0, "bcd"},                // whole match, not the whole subject
        GroupCase{"b(c)d", "abcde", 1, "c"},
        GroupCase{"b(c)d", "abcde", 2, ""},                   // beyond the pattern's groups
        GroupCase{"b(c)d", "abcde", 59, ""},                  // the last slot
        GroupCase{"b(c)d", "abcde", 60, ""},                  // past the slots
        GroupCase{"b(c)d", "abcde", 1000, ""},
        GroupCase{"b(c)d", "abcde", -1, ""},
        GroupCase{"(a)|(b)", "b", 1, ""},                     // took no part in the match
        GroupCase{"(a)|(b)", "b", 2, "b"},
        GroupCase{"x(y)", "abc", 0, ""},                      // no match
        GroupCase{"x(y)", "abc", 1, ""},
        GroupCase{"(B)", "abc", 1, ""},                       // case-sensitive
        GroupCase{"a(.)b", "a\nb", 1, ""},                    // "." stops at LF
        GroupCase{"a(.)b", "a\rb", 1, "\r"},                  // but not at CR
        GroupCase{"(.*)", std::string("ab\0cd", 5), 1, "ab"}, // the subject ends at its NUL
        GroupCase{"(.*?)\t(.*)", "one\ttwo\tthree", 1, "one"},
        GroupCase{"(.*?)\t(.*)", "one\ttwo\tthree", 2, "two\tthree"},
        GroupCase{"(.*?)\t(.*)", "\t", 1, ""},                // an empty group that took part
        GroupCase{"(", "(", 0, ""},                           // does not compile
        GroupCase{"a)", "a)", 0, ""}));

TEST(CRegex, GroupsBeyondNineAreReported) {
  std::string pattern;
  std::string subject;
  for (int i = 0; i < 37; ++i) {
    pattern += "(.*?)\t";
    subject += "f" + std::to_string(i) + "\t";
  }
  pattern += "(.*)";
  subject += "f37";
  const CRegex regex(pattern.c_str());
  for (int group = 1; group <= 38; ++group) EXPECT_EQ(regex.GetGroup(subject.c_str(), group), "f" + std::to_string(group - 1));
  EXPECT_EQ(regex.GetGroup(subject.c_str(), 39), "");
}

TEST(CRegex, EveryCallMatchesAnew) {
  const CRegex regex("(\\d+)");
  EXPECT_EQ(regex.GetGroup("a12", 1), "12");
  EXPECT_EQ(regex.GetGroup("b", 1), "");
  EXPECT_EQ(regex.GetGroup("345", 1), "345");
}
}  // namespace
