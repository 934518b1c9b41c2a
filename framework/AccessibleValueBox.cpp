// The value boxes' accessible interface, handed out by a factory of our own, since Qt reads a label's text as
// its name and gives it no value.
#include "framework/AccessibleValueBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextLayout>

namespace {
constexpr char kValueBoxProperty[] = "valueBox";

// The label's text laid out the way the label draws it: in its text rectangle, wrapped and aligned alike.
class LabelTextLayout {
public:
  explicit LabelTextLayout(const QLabel* label) : m_layout(label->text(), label->font()) {
    const QRect area = labelTextRect(label);
    QTextOption option(label->alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
      line.setLineWidth(area.width());
      line.setPosition(QPointF(0, height));
      height += line.height();
    }
    m_layout.endLayout();
    qreal top = area.top();
    if (label->alignment() & Qt::AlignVCenter) top += (area.height() - height) / 2;
    if (label->alignment() & Qt::AlignBottom) top += area.height() - height;
    m_origin = QPointF(area.left(), top);
  }

  // In the label's coordinates.
  QRect characterRect(int offset) const {
    const QTextLine line = m_layout.lineForTextPosition(offset);
    if (!line.isValid()) return {};
    const qreal left = line.cursorToX(offset);
    const qreal right = line.cursorToX(offset + 1);
    return QRectF(m_origin + QPointF(left, line.y()), QSizeF(right - left, line.height())).toAlignedRect();
  }

  int offsetAt(const QPoint& point) const {
    const QPointF inLayout = QPointF(point) - m_origin;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
      const QTextLine line = m_layout.lineAt(i);
      if (inLayout.y() >= line.y() && inLayout.y() < line.y() + line.height())
        return line.xToCursor(inLayout.x(), QTextLine::CursorOnCharacter);
    }
    return -1;
  }

private:
  QTextLayout m_layout;
  QPointF m_origin;
};

class AccessibleValueBox final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit AccessibleValueBox(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The name is the widget's own accessible name, else the text of the caption whose buddy it is.
  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Value ? label()->text() : QAccessibleWidget::text(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }

  // The figure as read-only text: no selection, the caret at its start.
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return label()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(label()->text().size()); }
  QRect characterRect(int offset) const override {
    const QRect inLabel = LabelTextLayout(label()).characterRect(offset);
    return inLabel.isNull() ? inLabel : inLabel.translated(label()->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return LabelTextLayout(label()).offsetAt(label()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* valueBoxFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QLabel") || !object->property(kValueBoxProperty).toBool()) return nullptr;
  return new AccessibleValueBox(static_cast<QLabel*>(object));
}
}  // namespace

void makeValueBox(QLabel* label) {
  static const bool installed = (QAccessible::installFactory(valueBoxFactory), true);
  Q_UNUSED(installed);
  label->setProperty(kValueBoxProperty, true);
}

bool isValueBox(const QLabel* label) { return label->property(kValueBoxProperty).toBool(); }

void announceValueBoxText(QLabel* label, const QString& before) {
  if (!isValueBox(label) || label->text() == before) return;
  QAccessibleTextUpdateEvent event(label, 0, before, label->text());
  QAccessible::updateAccessibility(&event);
}

QRect labelTextRect(const QLabel* label) {
  const int margin = label->margin();
  QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
  int indent = label->indent();
  if (indent < 0 && label->frameWidth() > 0) indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
  if (indent > 0) {
    const Qt::Alignment alignment = label->alignment();
    if (alignment & Qt::AlignLeft) area.setLeft(area.left() + indent);
    if (alignment & Qt::AlignRight) area.setRight(area.right() - indent);
    if (alignment & Qt::AlignTop) area.setTop(area.top() + indent);
    if (alignment & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
  }
  return area;
}
