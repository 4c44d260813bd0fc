#include "guide/guidewindow.h"

#include "guide/guidetext.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorin {

namespace {

constexpr int kAnchorRole = Qt::UserRole;

// The first anchor a block of the guide carries; empty when none.
QString blockAnchor(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return {};
}

} // namespace

GuideWindow::GuideWindow(const GuideText& guide, QWidget& owner)
    : QWidget(&owner, Qt::Window)
{
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(QStringLiteral("Quorin Guide"));
    buildView(guide);
    fillContents();
    const QSize wanted(900, 640);
    const QSize room = owner.screen()->availableGeometry().size() * 9 / 10;
    resize(wanted.boundedTo(room));
}

GuideWindow& GuideWindow::showFor(QWidget& owner, const GuideText& guide, const QString& anchor)
{
    auto* window = owner.findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new GuideWindow(guide, owner);
    window->show();
    window->raise();
    window->activateWindow();
    window->showAnchor(anchor);
    return *window;
}

void GuideWindow::buildView(const GuideText& guide)
{
    notice_ = new QLabel(this);
    notice_->setWordWrap(true);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice_->hide();

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("FindBox"));
    find_->setAccessibleName(QStringLiteral("Find in Guide"));
    find_->setPlaceholderText(
        QStringLiteral("Find in the guide (Enter: next, Shift+Enter: previous)"));
    find_->setClearButtonEnabled(true);
    auto* previous = new QToolButton(this);
    auto* next = new QToolButton(this);
    previous->setArrowType(Qt::UpArrow);
    next->setArrowType(Qt::DownArrow);
    previous->setAccessibleName(QStringLiteral("Find Previous"));
    next->setAccessibleName(QStringLiteral("Find Next"));
    previous->setToolTip(QStringLiteral("Finds the text before the selection (Shift+F3)."));
    next->setToolTip(QStringLiteral("Finds the text after the selection (F3)."));
    findStatus_ = new QLabel(this);
    auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
    findLabel->setBuddy(find_);

    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("Contents"));
    contents_->setAccessibleName(QStringLiteral("Contents"));
    contents_->setHeaderHidden(true);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Guide"));
    browser_->setAccessibleName(QStringLiteral("Guide"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setHtml(guide.html());

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({ 240, 660 });

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(find_, 1);
    findRow->addWidget(previous);
    findRow->addWidget(next);
    findRow->addWidget(findStatus_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(notice_);
    column->addLayout(findRow);
    column->addWidget(splitter, 1);

    connect(find_, &QLineEdit::returnPressed, this, [this] { findText(true); });
    connect(next, &QToolButton::clicked, this, [this] { findText(true); });
    connect(previous, &QToolButton::clicked, this, [this] { findText(false); });
    auto* backwards = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), find_);
    backwards->setContext(Qt::WidgetShortcut);
    connect(backwards, &QShortcut::activated, this, [this] { findText(false); });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
        [this] { findText(true); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
        [this] { findText(false); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
        &QWidget::close);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            showAnchor(item->data(0, kAnchorRole).toString());
    });
}

// The contents: a line for every heading of the guide, sections holding
// their subsections.
void GuideWindow::fillContents()
{
    QTreeWidgetItem* section = nullptr;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        const QString anchor = blockAnchor(block);
        if ((level != 2 && level != 3) || anchor.isEmpty())
            continue;
        QTreeWidgetItem* item = level == 2 || !section ? new QTreeWidgetItem(contents_)
                                                       : new QTreeWidgetItem(section);
        item->setText(0, block.text());
        item->setData(0, kAnchorRole, anchor);
        if (level == 2)
            section = item;
    }
    contents_->expandAll();
}

void GuideWindow::showAnchor(const QString& anchor)
{
    if (anchor.isEmpty()) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->ensureCursorVisible();
        return;
    }
    browser_->scrollToAnchor(anchor);
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (blockAnchor(block) != anchor)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        browser_->setTextCursor(cursor);
        return;
    }
}

void GuideWindow::setNotice(const QString& text)
{
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

bool GuideWindow::findText(bool forward)
{
    const QString text = find_->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags
        = forward ? QTextDocument::FindFlags() : QTextDocument::FindBackward;
    bool found = browser_->find(text, flags);
    if (!found) {
        browser_->moveCursor(forward ? QTextCursor::Start : QTextCursor::End);
        found = browser_->find(text, flags);
    }
    findStatus_->setText(
        found ? QString() : QStringLiteral("\u201c%1\u201d is not in the guide.").arg(text));
    return found;
}

} // namespace quorin
