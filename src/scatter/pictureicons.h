#pragma once

#include <QIcon>

class QWidget;

namespace quorin {

enum class Picture { Open, Save, Cut, Copy, Paste };

// The desktop theme's icon for a picture button (document-open, document-save,
// edit-cut, edit-copy, edit-paste). Without a theme that has it: the style's
// standard icon for Open and Save, and a drawn outline in the widget's text
// colour for Cut, Copy and Paste, which the style has none of.
QIcon pictureIcon(Picture picture, const QWidget& widget);

} // namespace quorin
