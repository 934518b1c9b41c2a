// Builds a dialog template's controls on a window, converting dialog units to pixels of the dialog font.
#pragma once

#include "framework/DialogTemplate.h"

#include <QRect>
#include <QSize>
#include <functional>
#include <utility>
#include <vector>

class QFont;
class QWidget;

// Pixels per four horizontal and per eight vertical dialog units: the font's average character width (or
// more, where a text of the template needs it) and its line height.
struct DialogBaseUnits {
  qreal cx;
  int cy;
};

// The dialog font's point size: the template's, or the application's where that is larger.
qreal dialogPointSize(const DialogTemplate& dialogTemplate);
DialogBaseUnits dialogBaseUnits(const QFont& font, const DialogTemplate& dialogTemplate);
QRect dialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy);

// What a built control reports back to its dialog.
struct ControlSignals {
  std::function<void(int id)> clicked;             // push button or check box pressed
  std::function<void(int id)> selectionChanged;    // the user picked another list entry
  std::function<void(int id)> textChanged;         // an edit's text changed, by the user or by code
  std::function<void(int id, int delta)> deltaPos; // an up-down proposed a change of position
};

// Sets the window's font, title and fixed client size and creates every control of the template in
// template order (creation order is tab order); returns (id, widget) in that order.
std::vector<std::pair<int, QWidget*>> buildDialog(QWidget* window, const DialogTemplate& dialogTemplate,
                                                  const ControlSignals& signals);
