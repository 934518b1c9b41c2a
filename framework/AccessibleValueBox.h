// Value boxes for assistive tools: a static that shows a figure is read out under the caption (or name) that
// says what it is, with the figure as its value and as read-only text.
#pragma once

class QLabel;
class QRect;
class QString;

// Makes label a value box. Call it before the label's text is first set: assistive tools keep the first
// reading they take of a control.
void makeValueBox(QLabel* label);
bool isValueBox(const QLabel* label);

// Tells assistive tools that a value box now shows another text than `before`; other labels are left alone.
void announceValueBoxText(QLabel* label, const QString& before);

// Where a label lays out its text inside its frame: the contents less the margin, and less the indent that a
// framed label keeps on its aligned sides.
QRect labelTextRect(const QLabel* label);
