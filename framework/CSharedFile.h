// A read-only file over a block of memory that belongs to someone else, read from its start.
#pragma once

#include "framework/CFile.h"

class CSharedFile : public CFile {
public:
  CSharedFile() = default;
  CSharedFile(const CSharedFile&) = delete;
  CSharedFile& operator=(const CSharedFile&) = delete;

  // Reads the first fileSize bytes of a block of bufferSize bytes at buffer, which must outlive the file;
  // the file never writes or frees the block. Throws CFileException, leaving the file empty, when the
  // block cannot hold what it is said to hold. Reading starts again at position 0.
  void Attach(const char* buffer, DWORD bufferSize, DWORD fileSize);

  UINT Read(void* buffer, UINT count) override;

private:
  const char* m_lpBuffer = nullptr;
  DWORD m_nFileSize = 0;
  DWORD m_nPosition = 0;
};
