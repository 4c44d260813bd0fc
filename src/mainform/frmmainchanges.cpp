#include "mainform/frmmain.h"

#include "common/qt/widgethelpers.h"
#include "mainform/captions.h"
#include "mainform/runchanges.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The main view's account of what the last Create or Append changed.
namespace quorin {

void frmMain::showChanges(const FileChanges& changes)
{
    statusLine_->setText(statusLine_->text() + "; " + qs(changeSummary(changes)));
    changeDetails_ = qs(changeDetails(changes));
    cmdCHANGES->show();
}

void frmMain::showWhatChanged()
{
    auto* dialog = named(new QDialog(this), QStringLiteral("frmWhatChanged"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(qs(caption::whatChangedTitle));
    auto* details = named(new QPlainTextEdit(changeDetails_, dialog), QStringLiteral("Details"));
    details->setReadOnly(true);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    details->setLineWrapMode(QPlainTextEdit::NoWrap);
    details->setAccessibleName(qs(caption::whatChangedTitle));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(details);
    layout->addWidget(buttons);
    dialog->resize(
        fontMetrics().horizontalAdvance(QLatin1Char('x')) * 90, fontMetrics().height() * 30);
    dialog->open();
    details->setFocus();
}

} // namespace quorin
