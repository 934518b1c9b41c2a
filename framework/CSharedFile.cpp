// The memory file: every read stays inside the block it was given.
#include "framework/CSharedFile.h"

#include <algorithm>
#include <cstring>

void CSharedFile::Attach(const char* buffer, DWORD bufferSize, DWORD fileSize) {
  m_lpBuffer = nullptr;
  m_nFileSize = m_nPosition = 0;
  // Checked here rather than trusted: a wrong size would otherwise make Read copy bytes from beyond the block.
  if (buffer == nullptr && bufferSize != 0) throw CFileException(CFileException::badBuffer);
  if (fileSize > bufferSize) throw CFileException(CFileException::sizeBeyondBuffer);
  m_lpBuffer = buffer;
  m_nFileSize = fileSize;
}

UINT CSharedFile::Read(void* buffer, UINT count) {
  const DWORD left = m_nFileSize - m_nPosition;
  const UINT n = static_cast<UINT>(std::min<DWORD>(left, count));
  if (n == 0) return 0;
  std::memcpy(buffer, m_lpBuffer + m_nPosition, n);
  m_nPosition += n;
  return n;
}
