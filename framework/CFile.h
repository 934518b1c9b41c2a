// The read side of a file as the line reader sees it, and the exception a file raises when it fails.
#pragma once

#include "framework/Types.h"

class CFileException {
public:
  // Our own cause codes; the number is what the user sees in a failure message, so they never change.
  enum Cause : int {
    none = 0,
    badBuffer = 1,         // a memory file was given a size but no bytes to go with it
    sizeBeyondBuffer = 2,  // a memory file was told it holds more bytes than its block has
    readFault = 3,         // the store behind a file failed while being read
  };

  explicit CFileException(int cause) : m_cause(cause) {}

  int m_cause;
};

class CFile {
public:
  virtual ~CFile() = default;

  // Copies up to count bytes from the current position into buffer and moves past them; returns how many
  // were copied, 0 only at the end of the file. Throws CFileException when the file cannot be read.
  virtual UINT Read(void* buffer, UINT count) = 0;
};
