// The application object: one copy per session, then the main window until it ends; help from its command map.
#pragma once

#include "framework/CWinApp.h"

class CPriceApp : public CWinApp {
public:
  bool InitInstance() override;
  bool OnWndMsg(Message& msg) override;
};
