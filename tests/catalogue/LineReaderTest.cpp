// The memory file and the line reader under the loader: line ends, buffer boundaries, and what they refuse.
#include "framework/CArchive.h"
#include "framework/CSharedFile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {
std::vector<std::string> readLines(const std::string& bytes, int bufferSize) {
  CSharedFile file;
  file.Attach(bytes.data(), static_cast<DWORD>(bytes.size()), static_cast<DWORD>(bytes.size()));
  CArchive archive(&file, CArchive::load, bufferSize);
  std::vector<std::string> lines;
  CString line;
  while (archive.ReadString(line)) lines.push_back(line);
  EXPECT_TRUE(line.empty());
  EXPECT_FALSE(archive.ReadString(line)) << "the end stays the end";
  return lines;
}

struct LinesCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
  friend void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }
};

// Each case runs with buffers small enough to split CR LF and lines across refills, and with the real one.
class ReadString : public ::testing::TestWithParam<std::tuple<LinesCase, int>> {};

TEST_P(ReadString, SplitsLinesAsWritten) {
  const auto& [c, bufferSize] = GetParam();
  EXPECT_EQ(readLines(c.bytes, bufferSize), c.lines) << c.name << " with a buffer of " << bufferSize;
}

const LinesCase kLineCases[] = {
    {"Empty", "", {}},
    {"CrLf", "a\r\nbc\r\n", {"a", "bc"}},
    {"LfOnly", "a\nbc\n", {"a", "bc"}},
    {"Mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
    {"LastLineWithoutEnd", "a\r\nlast", {"a", "last"}},
    {"EmptyLines", "\r\n\n\r\nx", {"", "", "", "x"}},
    {"LoneCrStaysInTheLine", "a\rb\r\n", {"a\rb"}},
    {"OnlyOneCrIsTheEnd", "a\r\r\n", {"a\r"}},
    {"CrAtTheVeryEnd", "a\r", {"a\r"}},
    {"NulInsideALine", std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
    {"BlanksAndTabs", "  \t \r\n", {"  \t "}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReadString,
                         ::testing::Combine(::testing::ValuesIn(kLineCases), ::testing::Values(1, 2, 3, 4096)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(ReadString, ALineLongerThanTheBufferComesWhole) {
  const std::string crossing(4095, 'y');  // its CR is the first buffer's last byte, its LF the next one's first
  const std::string longLine(3 * 4096 + 17, 'x');
  EXPECT_EQ(readLines(crossing + "\r\n" + longLine + "\r\nend", 4096),
            (std::vector<std::string>{crossing, longLine, "end"}));
}

TEST(CSharedFile, ReadsOnlyTheFileSizeAndStartsOverWhenAttachedAgain) {
  const char block[] = "0123456789";
  CSharedFile file;
  file.Attach(block, 10, 4);
  char out[16] = {};
  EXPECT_EQ(file.Read(out, 3), 3u);
  EXPECT_EQ(file.Read(out + 3, 16), 1u);
  EXPECT_EQ(file.Read(out, 16), 0u);
  EXPECT_EQ(std::string(out, 4), "0123");
  file.Attach(block + 5, 5, 5);
  EXPECT_EQ(file.Read(out, 16), 5u);
  EXPECT_EQ(std::string(out, 5), "56789");
}

TEST(CSharedFile, AnEmptyBlockIsAnEmptyFile) {
  CSharedFile file;
  file.Attach(nullptr, 0, 0);
  char out[4];
  EXPECT_EQ(file.Read(out, 4), 0u);
}

struct BadBlock {
  const char* name;
  bool withBytes;
  DWORD bufferSize;
  DWORD fileSize;
  int cause;
};

class CSharedFileRefuses : public ::testing::TestWithParam<BadBlock> {};

TEST_P(CSharedFileRefuses, ABlockThatCannotHoldTheFile) {
  const BadBlock& c = GetParam();
  const char block[8] = {};
  CSharedFile file;
  try {
    file.Attach(c.withBytes ? block : nullptr, c.bufferSize, c.fileSize);
    ADD_FAILURE() << c.name << " was accepted";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, c.cause) << c.name;
  }
  char out[16];
  EXPECT_EQ(file.Read(out, 16), 0u) << "a refused block leaves the file empty";
}

INSTANTIATE_TEST_SUITE_P(Cases, CSharedFileRefuses,
                         ::testing::Values(BadBlock{"NoBytes", false, 8, 8, CFileException::badBuffer},
                                           BadBlock{"NoBytesButAFileSize", false, 0, 8, CFileException::sizeBeyondBuffer},
                                           BadBlock{"FileLargerThanBlock", true, 8, 9, CFileException::sizeBeyondBuffer}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that claims to deliver more than it was asked for.
class OverreportingFile : public CFile {
public:
  UINT Read(void*, UINT count) override { return count + 1; }
};

TEST(CArchive, RefusesAFileThatOverreportsItsRead) {
  OverreportingFile file;
  CArchive archive(&file, CArchive::load, 16);
  CString line;
  try {
    archive.ReadString(line);
    ADD_FAILURE() << "accepted";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.m_cause, CArchiveException::badReadCount);
  }
}

class FailingFile : public CFile {
public:
  UINT Read(void*, UINT) override { throw CFileException(CFileException::readFault); }
};

TEST(CArchive, LetsTheFilesExceptionsThrough) {
  FailingFile file;
  CArchive archive(&file, CArchive::load, 16);
  CString line;
  EXPECT_THROW(archive.ReadString(line), CFileException);
}
}  // namespace
