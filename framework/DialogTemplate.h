// Dialog templates as the program writes them, one row per control in dialog units, and building them.
#pragma once

#include "framework/MessageMap.h"

#include <functional>
#include <vector>

class QWidget;

// UpDown: the arrows of the edit before it, in one box with it, on its right as the original's automatic buddy.
enum class ControlKind {
  Static,
  Icon,
  Edit,
  ComboBox,
  PushButton,
  CheckBox,
  UpDown
};
// Styles that change how a control is built, everything else being Qt's default. A sunken static shows a figure.
enum ControlStyle : unsigned {
  WS_TABSTOP = 1,
  WS_BORDER = 2,
  SS_SUNKEN = 4,
  SS_CENTER = 8,
  SS_CENTERIMAGE = 16,
  ES_CENTER = 32,
  ES_READONLY = 64,
  BS_DEFPUSHBUTTON = 128,
  BS_LEFTTEXT = 256
};
// WS_EX_APPWINDOW: a window of its own on the task bar rather than a box over its owner.
enum DialogStyle : unsigned {
  WS_MINIMIZEBOX = 1,
  WS_EX_APPWINDOW = 2
};

struct DialogControl {
  int id;  // -1: a control the code never addresses
  ControlKind kind;
  const char* text;  // for an icon, the number of its icon resource
  bool shown;
  int x, y, cx, cy;
  unsigned styles;
  const char* accessibleName = nullptr;  // what a screen reader calls it where neither its text nor a caption says it
  int captionFor = 0;                    // for a caption: the id of the control it names
};

struct DialogTemplate {
  int id;
  const char* caption;
  int cx, cy;  // client area
  const char* fontName;
  int pointSize;
  unsigned styles;
  std::span<const DialogControl> controls;
};

// What controls report: BN_CLICKED, CBN_SELCHANGE (the user's choice only), EN_CHANGE, or UDN_DELTAPOS with a delta.
using ControlNotify = std::function<void(UINT code, int id, int delta)>;
using ControlList = std::vector<std::pair<int, QWidget*>>;  // (id, widget) in template order, which is tab order

ControlList buildDialog(QWidget* window, const DialogTemplate& dialogTemplate, const ControlNotify& notify);
