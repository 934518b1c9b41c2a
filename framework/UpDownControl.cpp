// Arrow buttons with auto-repeat and acceleration, buddy keys and wheel, all reported as proposed changes.
#include "framework/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {
constexpr int kUp = -1;  // the default range runs from 100 down to 0
constexpr int kDown = 1;
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

// Steps grow the longer an arrow is held: 1, then 5 after two seconds, 20 after five.
int acceleratedStep(qint64 heldMs) {
  if (heldMs >= 5000) return 20;
  if (heldMs >= 2000) return 5;
  return 1;
}

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  return button;
}
}  // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), m_up(makeArrow(this, Qt::UpArrow)), m_down(makeArrow(this, Qt::DownArrow)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_up);
  layout->addWidget(m_down);
  setFocusPolicy(Qt::NoFocus);
  connect(m_up, &QToolButton::pressed, this, [this] { press(kUp); });
  connect(m_down, &QToolButton::pressed, this, [this] { press(kDown); });
  connect(m_up, &QToolButton::released, this, [this] { release(); });
  connect(m_down, &QToolButton::released, this, [this] { release(); });
  connect(&m_repeat, &QTimer::timeout, this, [this] { repeat(); });
}

void UpDownControl::attachBuddy(QLineEdit* buddy) { buddy->installEventFilter(this); }

void UpDownControl::setArrowNames(const QString& up, const QString& down) {
  m_up->setAccessibleName(up);
  m_down->setAccessibleName(down);
}

void UpDownControl::press(int direction) {
  m_heldDirection = direction;
  m_held.start();
  propose(direction, 1);
  m_repeat.start(kFirstRepeatMs);
}

void UpDownControl::release() {
  m_repeat.stop();
  m_heldDirection = 0;
}

void UpDownControl::repeat() {
  m_repeat.setInterval(kRepeatMs);
  if (m_heldDirection != 0) propose(m_heldDirection, acceleratedStep(m_held.elapsed()));
}

void UpDownControl::propose(int direction, int step) {
  if (m_onDelta) m_onDelta(direction * step);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int direction = key->key() == Qt::Key_Up ? kUp : key->key() == Qt::Key_Down ? kDown : 0;
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    if (direction != 0 && plain) {
      propose(direction, 1);
      return true;
    }
  } else if (event->type() == QEvent::Wheel) {
    wheelEvent(static_cast<QWheelEvent*>(event));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void UpDownControl::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
  for (int i = 0; i < std::abs(notches); ++i) propose(notches > 0 ? kUp : kDown, 1);
  event->accept();
}
