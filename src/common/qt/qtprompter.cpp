#include "common/qt/qtprompter.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

namespace quorin {

Prompter::Answer QtPrompter::ask(
    const std::string& text, Buttons buttons, Icon icon, const std::string& title)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
        QString::fromStdString(title.empty() ? std::string(kApplicationTitle) : title), shown,
        QMessageBox::NoButton, parent_);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

void QtClipboard::clear()
{
    QApplication::clipboard()->clear();
}

void QtClipboard::setText(const std::string& text)
{
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::text() const
{
    return QApplication::clipboard()->text().toStdString();
}

} // namespace quorin
