// Buffered line reading from a file, and the exception raised when the reading itself goes wrong.
#pragma once

#include "framework/CFile.h"
#include "framework/CString.h"

#include <vector>

class CArchiveException {
public:
  // Our own cause codes; the number is what the user sees in a failure message, so they never change.
  enum Cause : int {
    none = 0,
    badReadCount = 1,  // the file said it delivered more bytes than were asked for, so none can be trusted
  };

  explicit CArchiveException(int cause) : m_cause(cause) {}

  int m_cause;
};

class CArchive {
public:
  enum Mode { load };

  // Reads pFile, which must outlive the archive, through a buffer of bufferSize bytes (at least 1).
  CArchive(CFile* pFile, Mode mode, int bufferSize = 4096);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  // Stores the next line without its end (LF, or CR LF) and returns true; a line may be of any length and
  // may hold any byte but LF, and a last line without an end counts. Returns false, with rString empty,
  // only when no byte is left. Exceptions of the file pass through; CArchiveException when it misbehaves.
  bool ReadString(CString& rString);

private:
  // Refills the buffer; false at the end of the file.
  bool fillBuffer();

  CFile* m_pFile;
  std::vector<char> m_buffer;
  std::size_t m_nNext = 0;
  std::size_t m_nEnd = 0;
};
