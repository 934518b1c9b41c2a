// Lines found with memchr in the block itself: nothing is copied but the line handed out.
#include "framework/CArchive.h"

#include <cstring>

void CSharedFile::Attach(const char* buffer, DWORD bufferSize, DWORD fileSize) {
  // Checked rather than trusted: a wrong size would make reading run past the block.
  if ((!buffer && bufferSize != 0) || fileSize > bufferSize)
    throw CFileException{CFileException::badBuffer};
  m_lpBuffer = buffer;
  m_nFileSize = fileSize;
  m_nPosition = 0;
  m_bOpen = true;
}

bool CArchive::ReadString(CString& rString) {
  if (!m_pFile->m_bOpen)
    throw CArchiveException{CArchiveException::notOpen};
  rString.clear();
  const char* begin = m_pFile->m_lpBuffer + m_pFile->m_nPosition;
  const std::size_t left = m_pFile->m_nFileSize - m_pFile->m_nPosition;
  if (left == 0)
    return false;
  const auto* lineFeed = static_cast<const char*>(std::memchr(begin, '\n', left));
  std::size_t length = lineFeed ? static_cast<std::size_t>(lineFeed - begin) : left;
  m_pFile->m_nPosition += static_cast<DWORD>(lineFeed ? length + 1 : length);
  // Only a CR before the LF belongs to the line end; one at the very end of the block is text.
  if (lineFeed && length > 0 && begin[length - 1] == '\r')
    --length;
  rString.assign(begin, length);
  return true;
}
