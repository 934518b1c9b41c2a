// Dialog templates as tables: one row per control, positions in dialog units, as the layer builds them.
#pragma once

#include <span>

enum class ControlKind { Static, Icon, Edit, ComboBox, PushButton, CheckBox, UpDown };

// Styles that change how a control is built; everything else a template could say is Qt's default.
enum ControlStyle : unsigned {
  WS_TABSTOP = 1u << 0,       // reached with Tab
  WS_BORDER = 1u << 1,        // framed edit
  SS_SUNKEN = 1u << 2,        // sunken frame around a static
  SS_CENTER = 1u << 3,        // text centred horizontally
  SS_CENTERIMAGE = 1u << 4,   // text centred vertically
  ES_CENTER = 1u << 5,        // edit text centred
  ES_READONLY = 1u << 6,      // edit text can be selected and copied, not changed
  BS_DEFPUSHBUTTON = 1u << 7, // the button Enter presses
  BS_LEFTTEXT = 1u << 8,      // check box caption left of the box
  UDS_ALIGNRIGHT = 1u << 9,   // up-down takes the control before it as buddy and sits on its right edge
  UDS_ARROWKEYS = 1u << 10,   // the buddy's Up and Down keys step the up-down
};

enum DialogStyle : unsigned {
  WS_MINIMIZEBOX = 1u << 0,
  WS_EX_APPWINDOW = 1u << 1, // a window of its own on the task bar rather than a box over its owner
};

struct DialogControl {
  int id;  // -1: a control the code never addresses
  ControlKind kind;
  const char* text;  // for an icon, the number of its icon resource
  bool shown;
  int x, y, cx, cy;
  unsigned styles;
  // What a screen reader calls the control where neither its own text nor a caption says it; for an
  // up-down, the names of its up and then its down arrow, one a line.
  const char* accessibleName = nullptr;
  // For a caption: the id of the control it names. That control is then read out under the caption, and a
  // static so named reads out its own text as its value.
  int captionFor = 0;
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

// The template with this resource id; the program's templates all exist.
const DialogTemplate& findDialogTemplate(int id);
