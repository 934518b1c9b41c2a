// Widgets for each kind of template control, placed in dialog units of the template's font or its fallback.
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/DialogTemplate.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <cstring>

namespace {
// The edit and its arrows in one box; anything can be typed. The original's range runs from 100 down to 0, so an up
// step proposes -1, for the dialog to decide. Qt's accessibility reads value and stepSize, and sets a value in steps.
class SpinEdit final : public QAbstractSpinBox {
  Q_OBJECT
  Q_PROPERTY(int value READ value WRITE setValue)

public:
  SpinEdit(QWidget* parent, std::function<void(int)> propose)
      : QAbstractSpinBox(parent), m_propose(std::move(propose)) {
    setAccelerated(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setProperty("stepSize", 1);
  }
  using QAbstractSpinBox::lineEdit;
  void stepBy(int steps) override { m_propose(-steps); }
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
  int value() const { return lineEdit()->text().toInt(); }
  void setValue(int value) { stepBy(value - this->value()); }

private:
  std::function<void(int)> m_propose;
};

// Pixels per four horizontal (width) and per eight vertical (height) dialog units.
using BaseUnits = QSizeF;

// Edges, not sizes, are rounded (half away from zero, as MulDiv), so what touches in the template touches in pixels.
QRect toPixels(const BaseUnits& units, int x, int y, int cx, int cy) {
  const auto edge = [](int value, qreal unit, int per) {
    return static_cast<int>(std::lround(value * unit / per));
  };
  const QPoint topLeft(edge(x, units.width(), 4), edge(y, units.height(), 8));
  return {topLeft, QPoint(edge(x + cx, units.width(), 4) - 1, edge(y + cy, units.height(), 8) - 1)};
}

// The font's average character width, and its line height in whole pixels so that eight units hold a line. Fallbacks
// are wider than "MS Sans Serif": the unit widens until every one-line caption fits, keeping the window's proportions.
BaseUnits baseUnits(const QFont& font, const DialogTemplate& dialogTemplate) {
  const QFontMetricsF metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  BaseUnits units(metrics.horizontalAdvance(alphabet) / alphabet.size(), std::ceil(metrics.height()));
  for (const DialogControl& control : dialogTemplate.controls) {
    if (control.kind != ControlKind::Static || (control.styles & SS_SUNKEN) || std::strchr(control.text, '\n'))
      continue;
    // A pixel more covers the rounding of the box's edges.
    units.setWidth(std::max(
        units.width(), 4.0 * (QFontMetrics(font).horizontalAdvance(QString::fromUtf8(control.text)) + 1) / control.cx));
  }
  return units;
}

// A label's text is its accessible name, so a screen reader speaks a box's figure, under the caption that names it.
QLabel* makeStatic(QWidget* parent, const DialogControl& control) {
  auto* label = new QLabel(parent);
  setWindowText(label, control.text);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(((control.styles & SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) |
                      ((control.styles & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
  if (control.styles & SS_SUNKEN)
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

// The templates' edits start empty and have borders, as Qt's line edits do; a spin box draws the border of its own.
QLineEdit* makeEdit(QLineEdit* edit, const DialogControl& control, const ControlNotify& notify) {
  edit->setReadOnly(control.styles & ES_READONLY);
  if (control.styles & ES_CENTER)
    edit->setAlignment(Qt::AlignCenter);
  QObject::connect(edit, &QLineEdit::textChanged, edit, [notify, id = control.id] { notify(EN_CHANGE, id, {}); });
  return edit;
}

template <class Button>
Button* makeButton(QWidget* parent, const DialogControl& control, const ControlNotify& notify) {
  auto* button = new Button(QString::fromUtf8(control.text), parent);
  QObject::connect(button, &Button::clicked, button, [notify, id = control.id] { notify(BN_CLICKED, id, {}); });
  return button;
}

QComboBox* makeComboBox(QWidget* parent, const DialogControl& control, const ControlNotify& notify, QRect& area) {
  auto* combo = new QComboBox(parent);
  // A right-click or the Menu key on the list is the dialog's request.
  combo->setContextMenuPolicy(Qt::NoContextMenu);
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                   [notify, id = control.id] { notify(CBN_SELCHANGE, id, {}); });
  // The template's height is the opened list's (it drops below, see AfxCreateApplication); the box fits its font.
  const int closed = combo->sizeHint().height();
  combo->setMaxVisibleItems((area.height() - closed) / combo->fontMetrics().height());
  area.setHeight(closed);
  return combo;
}
}  // namespace

ControlList buildDialog(QWidget* window, const DialogTemplate& dialogTemplate, const ControlNotify& notify) {
  // Fontconfig maps "MS Sans Serif" to a sans-serif face; desktop text larger than the template's grows the dialog.
  QFont font(QString::fromUtf8(dialogTemplate.fontName));
  font.setPointSizeF(std::max<qreal>(dialogTemplate.pointSize, QFontInfo(QApplication::font()).pointSizeF()));
  window->setFont(font);
  window->setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  const BaseUnits units = baseUnits(window->font(), dialogTemplate);
  window->setFixedSize(toPixels(units, 0, 0, dialogTemplate.cx, dialogTemplate.cy).size());

  ControlList controls;
  const auto& rows = dialogTemplate.controls;
  SpinEdit* spin = nullptr;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const DialogControl& control = rows[i];
    QRect area = toPixels(units, control.x, control.y, control.cx, control.cy);
    // The widget placed takes the area; the one that answers for the id may lie inside it.
    QWidget* placed = nullptr;
    QWidget* answering = nullptr;
    switch (control.kind) {
      case ControlKind::Static:
        placed = makeStatic(window, control);
        break;
      case ControlKind::Icon:
        placed = new QLabel(window);
        static_cast<QLabel*>(placed)->setPixmap(
            CWinApp::LoadIcon(std::atoi(control.text)).pixmap(std::min(area.width(), area.height())));
        break;
      case ControlKind::Edit:
        if (&control != &rows.back() && rows[i + 1].kind == ControlKind::UpDown) {
          spin = new SpinEdit(window, [notify, id = rows[i + 1].id](int delta) { notify(UDN_DELTAPOS, id, delta); });
          answering = makeEdit(spin->lineEdit(), control, notify);
          placed = spin;
        } else {
          placed = makeEdit(new QLineEdit(window), control, notify);
        }
        break;
      case ControlKind::UpDown:
        // The arrows were built with their edit.
        controls.emplace_back(control.id, spin);
        continue;
      case ControlKind::ComboBox:
        placed = makeComboBox(window, control, notify, area);
        break;
      case ControlKind::PushButton:
        placed = makeButton<QPushButton>(window, control, notify);
        static_cast<QPushButton*>(placed)->setDefault(control.styles & BS_DEFPUSHBUTTON);
        break;
      case ControlKind::CheckBox:
        placed = makeButton<QCheckBox>(window, control, notify);
        if (control.styles & BS_LEFTTEXT)
          placed->setLayoutDirection(Qt::RightToLeft);
        break;
    }
    // Qt's own focus policies are the templates' tab stops: lists, edits and buttons, no label.
    placed->setGeometry(area);
    placed->setVisible(control.shown);
    if (control.accessibleName)
      placed->setAccessibleName(QString::fromUtf8(control.accessibleName));
    controls.emplace_back(control.id, answering ? answering : placed);
  }

  // Each caption labels its control for assistive tools, once both exist; the Rate edit through its box.
  for (std::size_t i = 0; i < rows.size(); ++i) {
    // A row that is no caption names the id 0, which no control has.
    const auto named = std::ranges::find(controls, rows[i].captionFor, &std::pair<int, QWidget*>::first);
    if (named == controls.end())
      continue;
    QWidget* target = named->second == (spin ? spin->lineEdit() : nullptr) ? spin : named->second;
    static_cast<QLabel*>(controls[i].second)->setBuddy(target);
  }
  return controls;
}

#include "DialogBuilder.moc"
