// Reading the item table: a read-only block of bytes served as a file, its lines, and the two ways it fails.
#pragma once

#include "framework/CString.h"
#include "framework/Types.h"

// The cause codes are our own and never change: the user sees the number in a failure message.
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
  // Serves the first fileSize bytes of the block, which must outlive the file; one that cannot hold them throws.
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
  // The next line without its end (LF or CR LF), a last one without an end included; false, with rString empty, when
  // nothing is left. Reading a file never given its block throws.
  bool ReadString(CString& rString);

private:
  CSharedFile* m_pFile;
};
