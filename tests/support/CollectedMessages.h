// Message boxes collected instead of shown, for as long as the object lives.
#pragma once

#include "framework/MessageBox.h"

#include <vector>

class CollectedMessages {
public:
  CollectedMessages()
      : m_previous(AfxSetMessageBoxHandler([this](const CString& text) {
          texts.push_back(text);
          return IDOK;
        })) {}
  ~CollectedMessages() { AfxSetMessageBoxHandler(m_previous); }
  CollectedMessages(const CollectedMessages&) = delete;
  CollectedMessages& operator=(const CollectedMessages&) = delete;

  std::vector<CString> texts;

private:
  MessageBoxHandler m_previous;
};
