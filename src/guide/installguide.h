#pragma once

#include <QString>

class QWidget;

namespace quorin {

class GuideText;

// Gives every control of `form` that the guide tells of its paragraph as
// What's This text (Shift+F1) and, when it has no tool tip of its own, the
// paragraph's first sentence as its tool tip.
void installGuide(QWidget& form, const GuideText& guide);

// F1 in `form` shows the guide at the paragraph of the control that has the focus.
void bindGuideKey(QWidget& form, const GuideText& guide);

// The anchor of the paragraph of the control of `form` that has the focus;
// empty when the guide has none.
QString focusedAnchor(const QWidget& form, const GuideText& guide);

} // namespace quorin
