// Widgets for each kind of template control, placed in dialog units of "MS Sans Serif" 8 or its fallback.
#include "framework/DialogLayout.h"

#include "framework/AccessibleValueBox.h"
#include "framework/Resources.h"
#include "framework/UpDownControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
// Rounds like the platform's MulDiv, which the original conversion uses, of a base unit that may be fractional.
int mulDiv(int value, qreal numerator, int denominator) {
  return static_cast<int>(std::lround(value * numerator / denominator));
}

QWidget* makeStatic(QWidget* parent, const DialogControl& control, bool valueBox) {
  auto* label = new QLabel(parent);
  if (valueBox) makeValueBox(label);
  label->setText(QString::fromUtf8(control.text));
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
  if (control.accessibleName) {
    const QStringList names = QString::fromUtf8(control.accessibleName).split(QLatin1Char('\n'));
    upDown->setArrowNames(names.value(0), names.value(1));
  }
  return upDown;
}

// Statics named by a caption or by a name of their own show a value rather than say what they are.
bool isValueBoxControl(const DialogTemplate& dialogTemplate, const DialogControl& control) {
  if (control.kind != ControlKind::Static) return false;
  if (control.accessibleName) return true;
  return control.id != -1 && std::ranges::any_of(dialogTemplate.controls, [&](const DialogControl& other) {
           return other.captionFor == control.id;
         });
}
}  // namespace

qreal dialogPointSize(const DialogTemplate& dialogTemplate) {
  // The template's size was the desktop's own text size where it was drawn; a desktop set to larger text
  // (or a user who asked for it) gets a dialog that grows with it, never one that reads smaller.
  const QFont desktop = QApplication::font();
  const qreal desktopSize = desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
  return std::max<qreal>(dialogTemplate.pointSize, desktopSize);
}

DialogBaseUnits dialogBaseUnits(const QFont& font, const DialogTemplate& dialogTemplate) {
  const QFontMetricsF metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  // The height in whole pixels, as the widgets lay out their lines, so that eight units hold one line.
  DialogBaseUnits units{metrics.horizontalAdvance(alphabet) / alphabet.size(), QFontMetrics(font).height()};
  // The template was drawn for "MS Sans Serif", narrower than most fallbacks in some words; where a fixed
  // one-line text would not fit its box by the average width, the unit widens until it does, so the window
  // keeps the template's proportions and gaps rather than cutting or crowding a caption.
  QWidget scratch;
  scratch.setFont(font);
  for (const DialogControl& control : dialogTemplate.controls) {
    if (control.kind != ControlKind::Static || isValueBoxControl(dialogTemplate, control) || control.cx <= 0 ||
        *control.text == '\0' || std::strchr(control.text, '\n'))
      continue;
    const std::unique_ptr<QWidget> label(makeStatic(&scratch, control, false));
    const int frame = label->width() - labelTextRect(static_cast<QLabel*>(label.get())).width();
    const int text = label->fontMetrics().horizontalAdvance(QString::fromUtf8(control.text));
    // One pixel more, since the box's edges are rounded to whole pixels.
    units.cx = std::max(units.cx, 4.0 * (text + frame + 1) / control.cx);
  }
  return units;
}

QRect dialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
  // Edges rather than sizes are rounded, so that controls the template puts side by side, or against the
  // window's edge, stay so in pixels instead of overlapping it by a rounding.
  const QPoint topLeft(mulDiv(x, units.cx, 4), mulDiv(y, units.cy, 8));
  const QPoint bottomRight(mulDiv(x + cx, units.cx, 4), mulDiv(y + cy, units.cy, 8));
  return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

std::vector<std::pair<int, QWidget*>> buildDialog(QWidget* window, const DialogTemplate& dialogTemplate,
                                                  const ControlSignals& signals) {
  QFont font(QString::fromUtf8(dialogTemplate.fontName));
  font.setPointSizeF(dialogPointSize(dialogTemplate));
  font.setStyleHint(QFont::SansSerif);
  window->setFont(font);
  window->setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  const DialogBaseUnits units = dialogBaseUnits(window->font(), dialogTemplate);
  window->setFixedSize(dialogUnitsToPixels(units, 0, 0, dialogTemplate.cx, dialogTemplate.cy).size());

  std::vector<std::pair<int, QWidget*>> controls;
  for (const DialogControl& control : dialogTemplate.controls) {
    QRect area = dialogUnitsToPixels(units, control.x, control.y, control.cx, control.cy);
    QWidget* previous = controls.empty() ? nullptr : controls.back().second;
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Static: widget = makeStatic(window, control, isValueBoxControl(dialogTemplate, control)); break;
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
    if (control.accessibleName && control.kind != ControlKind::UpDown)
      widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
    controls.emplace_back(control.id, widget);
  }

  // Each caption names its control, for assistive tools, once both exist.
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const int named = dialogTemplate.controls[i].captionFor;
    if (named == 0) continue;
    const auto target = std::ranges::find(controls, named, &std::pair<int, QWidget*>::first);
    if (target != controls.end()) static_cast<QLabel*>(controls[i].second)->setBuddy(target->second);
  }
  return controls;
}
