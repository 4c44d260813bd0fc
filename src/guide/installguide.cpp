#include "guide/installguide.h"

#include "guide/guidetext.h"
#include "guide/guidewindow.h"

#include <QApplication>
#include <QShortcut>

namespace quorin {

void installGuide(QWidget& form, const GuideText& guide)
{
    for (QWidget* control : form.findChildren<QWidget*>()) {
        const QString anchor = guide.anchorFor(*control);
        if (anchor.isEmpty())
            continue;
        // A paragraph of about 60 characters a line, short ones included.
        const int width = control->fontMetrics().averageCharWidth() * 60;
        control->setWhatsThis(QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                                  .arg(width)
                                  .arg(guide.paragraph(anchor)));
        if (control->toolTip().isEmpty())
            control->setToolTip(guide.firstSentence(anchor));
    }
}

void bindGuideKey(QWidget& form, const GuideText& guide)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &form);
    QObject::connect(key, &QShortcut::activated, &form,
        [&form, guide] { GuideWindow::showFor(form, guide, focusedAnchor(form, guide)); });
}

QString focusedAnchor(const QWidget& form, const GuideText& guide)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && form.isAncestorOf(focus) ? guide.anchorFor(*focus) : QString();
}

} // namespace quorin
