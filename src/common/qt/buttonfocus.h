#pragma once

#include <QAbstractButton>

namespace quorin {

// A command button takes the focus whenever it is pressed, as a mouse click
// gives it: by its access key, by the press action of assistive technology,
// or from code. So a control that acts on losing the focus (a cell editor
// closing, a box checking its number) has done so before the command runs.
inline void takeFocusWhenPressed(QAbstractButton* button)
{
    QObject::connect(button, &QAbstractButton::pressed, button, [button] {
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocus(Qt::ShortcutFocusReason);
    });
}

} // namespace quorin
