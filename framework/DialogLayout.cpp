// Widgets for each kind of template control, placed in dialog units of "MS Sans Serif" 8 or its fallback.
#include "framework/DialogLayout.h"

#include "framework/Resources.h"
#include "framework/UpDownControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <cstdlib>

namespace {
// Rounds like the platform's MulDiv, which the original conversion uses.
int mulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

QWidget* makeStatic(QWidget* parent, const DialogControl& control) {
  auto* label = new QLabel(QString::fromUtf8(control.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  const Qt::Alignment horizontal = (control.styles & SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  const Qt::Alignment vertical = (control.styles & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(horizontal | vertical);
  if (control.styles & SS_SUNKEN) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QWidget* makeIcon(QWidget* parent, const DialogControl& control, const QRect& area) {
  auto* label = new QLabel(parent);
  const int side = std::min(area.width(), area.height());
  label->setPixmap(loadIconResource(static_cast<UINT>(std::atoi(control.text))).pixmap(side, side));
  return label;
}

QWidget* makeEdit(QWidget* parent, const DialogControl& control, const ControlSignals& signals) {
  auto* edit = new QLineEdit(QString::fromUtf8(control.text), parent);
  edit->setFrame(control.styles & WS_BORDER);
  edit->setReadOnly(control.styles & ES_READONLY);
  if (control.styles & ES_CENTER) edit->setAlignment(Qt::AlignCenter);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [id = control.id, changed = signals.textChanged] { changed(id); });
  return edit;
}

QWidget* makeComboBox(QWidget* parent, const DialogControl& control, const ControlSignals& signals) {
  auto* combo = new QComboBox(parent);
  // A drop-down list has no menu of its own: a right-click or the Menu key on it is the dialog's request,
  // where QComboBox would swallow it.
  combo->setContextMenuPolicy(Qt::NoContextMenu);
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                   [id = control.id, changed = signals.selectionChanged] { changed(id); });
  return combo;
}

QWidget* makePushButton(QWidget* parent, const DialogControl& control, const ControlSignals& signals) {
  auto* button = new QPushButton(QString::fromUtf8(control.text), parent);
  button->setDefault(control.styles & BS_DEFPUSHBUTTON);
  QObject::connect(button, &QPushButton::clicked, button, [id = control.id, clicked = signals.clicked] { clicked(id); });
  return button;
}

QWidget* makeCheckBox(QWidget* parent, const DialogControl& control, const ControlSignals& signals) {
  auto* box = new QCheckBox(QString::fromUtf8(control.text), parent);
  if (control.styles & BS_LEFTTEXT) box->setLayoutDirection(Qt::RightToLeft);
  QObject::connect(box, &QCheckBox::clicked, box, [id = control.id, clicked = signals.clicked] { clicked(id); });
  return box;
}

// The up-down takes the control created before it as its buddy and sits on the buddy's right edge,
// narrowing the buddy by its own width.
QWidget* makeUpDown(QWidget* parent, const DialogControl& control, const ControlSignals& signals,
                    QWidget* previous, QRect& area) {
  auto* upDown = new UpDownControl(parent);
  upDown->setDeltaHandler([id = control.id, propose = signals.deltaPos](int delta) { propose(id, delta); });
  auto* buddy = qobject_cast<QLineEdit*>(previous);
  if (buddy && (control.styles & UDS_ALIGNRIGHT)) {
    QRect buddyArea = buddy->geometry();
    buddyArea.setWidth(buddyArea.width() - area.width());
    buddy->setGeometry(buddyArea);
    area = QRect(buddyArea.right() + 1, buddyArea.top(), area.width(), buddyArea.height());
  }
  if (buddy && (control.styles & UDS_ARROWKEYS)) upDown->attachBuddy(buddy);
  return upDown;
}
}  // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {static_cast<int>(std::lround(metrics.horizontalAdvance(alphabet) / alphabet.size())),
          static_cast<int>(std::lround(metrics.height()))};
}

QRect dialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
  return {mulDiv(x, units.cx, 4), mulDiv(y, units.cy, 8), mulDiv(cx, units.cx, 4), mulDiv(cy, units.cy, 8)};
}

std::vector<std::pair<int, QWidget*>> buildDialog(QWidget* window, const DialogTemplate& dialogTemplate,
                                                  const ControlSignals& signals) {
  QFont font(QString::fromUtf8(dialogTemplate.fontName), dialogTemplate.pointSize);
  font.setStyleHint(QFont::SansSerif);
  window->setFont(font);
  window->setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  const DialogBaseUnits units = dialogBaseUnits(window->font());
  window->setFixedSize(dialogUnitsToPixels(units, 0, 0, dialogTemplate.cx, dialogTemplate.cy).size());

  std::vector<std::pair<int, QWidget*>> controls;
  for (const DialogControl& control : dialogTemplate.controls) {
    QRect area = dialogUnitsToPixels(units, control.x, control.y, control.cx, control.cy);
    QWidget* previous = controls.empty() ? nullptr : controls.back().second;
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Static: widget = makeStatic(window, control); break;
      case ControlKind::Icon: widget = makeIcon(window, control, area); break;
      case ControlKind::Edit: widget = makeEdit(window, control, signals); break;
      case ControlKind::ComboBox: widget = makeComboBox(window, control, signals); break;
      case ControlKind::PushButton: widget = makePushButton(window, control, signals); break;
      case ControlKind::CheckBox: widget = makeCheckBox(window, control, signals); break;
      case ControlKind::UpDown: widget = makeUpDown(window, control, signals, previous, area); break;
    }
    if (control.kind == ControlKind::ComboBox) {
      // The template's height is that of the opened list; the closed box is as tall as its font needs.
      const int closed = widget->sizeHint().height();
      auto* combo = static_cast<QComboBox*>(widget);
      combo->setMaxVisibleItems(std::max(1, (area.height() - closed) / combo->fontMetrics().height()));
      area.setHeight(closed);
    }
    widget->setGeometry(area);
    widget->setFocusPolicy((control.styles & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setVisible(control.shown);
    controls.emplace_back(control.id, widget);
  }
  return controls;
}
