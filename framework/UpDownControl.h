// The up-down control: two arrows beside a buddy edit that propose a change of position to the dialog.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

class UpDownControl final : public QWidget {
public:
  // Its range is the platform's default, minimum 100 above maximum 0, so the up arrow proposes a
  // negative change and the down arrow a positive one.
  using DeltaHandler = std::function<void(int delta)>;

  explicit UpDownControl(QWidget* parent);
  void setDeltaHandler(DeltaHandler handler) { m_onDelta = std::move(handler); }
  // The buddy's Up and Down keys and its mouse wheel then step the control too.
  void attachBuddy(QLineEdit* buddy);
  // What assistive tools call the two arrows.
  void setArrowNames(const QString& up, const QString& down);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void press(int direction);
  void release();
  void repeat();
  void propose(int direction, int step);

  QToolButton* m_up;
  QToolButton* m_down;
  DeltaHandler m_onDelta;
  QTimer m_repeat;
  QElapsedTimer m_held;
  int m_heldDirection = 0;
};
