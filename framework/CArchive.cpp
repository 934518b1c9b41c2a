// Line reading through a fixed buffer, so that a line longer than the buffer still comes whole.
#include "framework/CArchive.h"

#include <algorithm>
#include <cstring>

CArchive::CArchive(CFile* pFile, Mode /*only loading exists*/, int bufferSize)
    : m_pFile(pFile), m_buffer(static_cast<std::size_t>(std::max(bufferSize, 1))) {}

bool CArchive::fillBuffer() {
  const UINT wanted = static_cast<UINT>(m_buffer.size());
  const UINT got = m_pFile->Read(m_buffer.data(), wanted);
  if (got > wanted) throw CArchiveException(CArchiveException::badReadCount);
  m_nNext = 0;
  m_nEnd = got;
  return got != 0;
}

bool CArchive::ReadString(CString& rString) {
  rString.clear();
  bool readAny = false;
  for (;;) {
    if (m_nNext == m_nEnd && !fillBuffer()) return readAny;
    readAny = true;
    const char* begin = m_buffer.data() + m_nNext;
    const std::size_t available = m_nEnd - m_nNext;
    const auto* lineFeed = static_cast<const char*>(std::memchr(begin, '\n', available));
    if (lineFeed == nullptr) {
      rString.append(begin, available);
      m_nNext = m_nEnd;
      continue;
    }
    rString.append(begin, static_cast<std::size_t>(lineFeed - begin));
    m_nNext += static_cast<std::size_t>(lineFeed - begin) + 1;
    // The CR of a CR LF may have come with the previous buffer, so it is dropped from the line, not the buffer.
    if (!rString.empty() && rString.back() == '\r') rString.pop_back();
    return true;
  }
}
