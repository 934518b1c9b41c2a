// Reading the item table: a read-only block of bytes served as a file, its lines, and the two ways it fails.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

// The cause codes are our own; the number is what the user sees in a failure message, so they never change. badBuffer:
// a block with a size but no bytes, or smaller than its file; notOpen: a line asked of a file never given its block.
struct CFileException {
  enum Cause : int {
    badBuffer = 1
  };
  int m_cause;
};
struct CArchiveException {
  enum Cause : int {
    notOpen = 1
  };
  int m_cause;
};

class CSharedFile {
public:
  // Serves the first fileSize bytes of the block at buffer, which must outlive the file, from position 0; the
  // block is never written or freed. A block that cannot hold what it is said to hold: CFileException.
  void Attach(const char* buffer, DWORD bufferSize, DWORD fileSize);

private:
  friend class CArchive;
  const char* m_lpBuffer = nullptr;
  DWORD m_nFileSize = 0, m_nPosition = 0;
  bool m_bOpen = false;
};

class CArchive {
public:
  enum Mode {
    load
  };
  // The block is read where it lies, so the original's buffer size has nothing left to do.
  CArchive(CSharedFile* pFile, Mode /*mode*/, int /*bufferSize*/ = 4096) : m_pFile(pFile) {}
  // Stores the next line without its end (LF, or CR LF) and returns true; a line may be of any length and hold
  // any byte but LF, and a last line without an end counts. False, with rString empty, when nothing is left.
  bool ReadString(CString& rString);

private:
  CSharedFile* m_pFile;
};
