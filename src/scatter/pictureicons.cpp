#include "scatter/pictureicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace quorin {

namespace {

// The outlines are drawn on a 16 by 16 grid and scaled to each size.
void drawCut(QPainter& p)
{
    p.drawEllipse(QRectF(2, 10.5, 4, 4));
    p.drawEllipse(QRectF(10, 10.5, 4, 4));
    p.drawLine(QPointF(5.5, 11), QPointF(11.5, 1.5));
    p.drawLine(QPointF(10.5, 11), QPointF(4.5, 1.5));
}

void drawCopy(QPainter& p)
{
    p.drawRect(QRectF(2, 1.5, 8, 10));
    p.fillRect(QRectF(6, 4.5, 8, 10), p.background());
    p.drawRect(QRectF(6, 4.5, 8, 10));
    for (double y : { 7.5, 9.5, 11.5 })
        p.drawLine(QPointF(8, y), QPointF(12, y));
}

void drawPaste(QPainter& p)
{
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 12.5), 1.5, 1.5);
    p.fillRect(QRectF(5.5, 1, 5, 3), p.pen().color());
    for (double y : { 7.5, 9.5, 11.5 })
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

QIcon drawnIcon(Picture picture, const QWidget& widget)
{
    QIcon icon;
    const QColor ink = widget.palette().color(QPalette::ButtonText);
    for (int size : { 16, 24, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(ink, 1.2));
        p.setBackground(widget.palette().color(QPalette::Button));
        if (picture == Picture::Cut)
            drawCut(p);
        else if (picture == Picture::Copy)
            drawCopy(p);
        else
            drawPaste(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon pictureIcon(Picture picture, const QWidget& widget)
{
    static constexpr const char* kThemeNames[]
        = { "document-open", "document-save", "edit-cut", "edit-copy", "edit-paste" };
    const QString name = QString::fromLatin1(kThemeNames[static_cast<int>(picture)]);
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    switch (picture) {
    case Picture::Open:
        return widget.style()->standardIcon(QStyle::SP_DialogOpenButton, nullptr, &widget);
    case Picture::Save:
        return widget.style()->standardIcon(QStyle::SP_DialogSaveButton, nullptr, &widget);
    default:
        return drawnIcon(picture, widget);
    }
}

} // namespace quorin
