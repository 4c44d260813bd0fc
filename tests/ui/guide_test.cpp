#include "guide/guidewindow.h"
#include "mainform/frmmain.h"
#include "scatter/frmeditgrid.h"
#include "support/tempdir.h"
#include "ui/widgets.h"
#include "wavetable/frmdefwaves.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace quorin {
namespace {

// The three windows, open as a user meets them.
class Guide : public testing::Test {
protected:
    // Shows one window alone: the other two are modal.
    void open(QWidget& window)
    {
        for (QWidget* other : windows())
            other->hide();
        ASSERT_TRUE(test::showActive(window));
    }
    std::vector<QWidget*> windows() { return { &view, &dialog, &editor }; }
    GuideWindow* guideOf(QWidget& window)
    {
        return window.findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // Shows the window alone and presses F1, with `modifiers`, on the named control.
    void pressF1(QWidget& window, const char* name, Qt::KeyboardModifiers modifiers = {})
    {
        open(window);
        QWidget* control = test::child(window, name);
        control->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(control, Qt::Key_F1, modifiers);
    }
    // The guide window's selection after F1 with the focus on a control.
    QString helpKeyOn(QWidget& window, const char* name)
    {
        pressF1(window, name);
        GuideWindow* guide = guideOf(window);
        if (!guide || !guide->isVisible())
            return QStringLiteral("<no guide>");
        return guide->browser()->textCursor().selectedText();
    }

    test::TempDir dir;
    test::Platforms platforms;
    Session session;
    frmMain view { session, platforms.platform() };
    DefaultWaveParameters parameters { 1, 2, 5 };
    float steepness = 22;
    frmDefWaves dialog { parameters, steepness, platforms.prompter, '.' };
    GridEdit store;
    frmEditGrid editor { store, { dir.file("DECK"), "3" }, platforms.platform() };
};

// Every control a user can reach tells what it is for in one sentence, and
// Shift+F1 on it shows the guide's paragraph.
TEST_F(Guide, EveryInputHasAToolTipOfOneSentenceAndAWhatsThis)
{
    // The editor's picture buttons keep the one-word tips they are named by.
    const QStringList givenTips = { "Open", "Save", "Cut", "Copy", "Pasts" };
    int inputs = 0;
    for (QWidget* window : windows()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool input = qobject_cast<QLineEdit*>(control)
                || qobject_cast<QAbstractButton*>(control)
                || qobject_cast<QAbstractItemView*>(control);
            if (!input || control->objectName().isEmpty()
                || control->objectName().startsWith(QLatin1String("qt_")))
                continue;
            ++inputs;
            const QString where = window->objectName() + "/" + control->objectName();
            const QString tip = control->toolTip();
            EXPECT_FALSE(control->whatsThis().isEmpty()) << where.toStdString();
            const bool sentence = tip.endsWith('.') && !tip.contains(". ") && tip.size() > 12;
            EXPECT_TRUE(sentence || givenTips.contains(tip))
                << where.toStdString() << ": " << tip.toStdString();
        }
    }
    EXPECT_GT(inputs, 60);

    // Shift+F1 on a box, a button and a grid.
    for (const auto& [window, name] : { std::pair<QWidget*, const char*> { &view, "txtDEPTH" },
             { &dialog, "OKButton" }, { &editor, "grid" } }) {
        pressF1(*window, name, Qt::ShiftModifier);
        const auto shown = QApplication::topLevelWidgets();
        EXPECT_TRUE(std::ranges::any_of(shown, [](QWidget* top) {
            return top->inherits("QWhatsThat") && top->isVisible();
        })) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
}

// F1 opens the guide at the control with the focus, in the main view and in
// the two modal windows alike; a missing help file is named above the guide.
TEST_F(Guide, HelpKeyShowsTheParagraphOfTheFocusedControl)
{
    view.setHelpFile(QStringLiteral("/nowhere/help.chm"));
    EXPECT_EQ(helpKeyOn(view, "txtDEPTH").left(27).toStdString(), "Water Depth The water depth");
    const auto notices = guideOf(view)->findChildren<QLabel*>();
    EXPECT_TRUE(std::ranges::any_of(notices, [](QLabel* label) {
        return label->isVisible()
            && label->text() == "The help file was not found: /nowhere/help.chm";
    }));
    EXPECT_TRUE(helpKeyOn(dialog, "txtREAL(1)").startsWith("Wave Steepness"));
    EXPECT_TRUE(helpKeyOn(editor, "Text3(1)").startsWith("Period (Yrs)"));
    EXPECT_TRUE(platforms.prompter.messages().empty());
}

// The guide is whole: every link leads to a place in it, the contents list
// every section, and Find goes round the end and says when it finds nothing.
TEST_F(Guide, EveryLinkLeadsToAPlaceInTheGuideAndFindGoesRound)
{
    open(view);
    QTest::keyClick(&view, Qt::Key_F1);
    GuideWindow* guide = guideOf(view);
    ASSERT_NE(guide, nullptr);
    QTextDocument* text = guide->browser()->document();
    QSet<QString> anchors;
    QStringList links;
    int sections = 0;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        sections += block.blockFormat().headingLevel() == 2;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                anchors.insert(name);
            if (!format.anchorHref().isEmpty())
                links << format.anchorHref();
        }
    }
    EXPECT_GE(sections, 8);
    EXPECT_GT(links.size(), 20);
    for (const QString& link : links) {
        EXPECT_TRUE(link.startsWith('#') && anchors.contains(link.mid(1))) << link.toStdString();
        guide->browser()->setSource(QUrl(link));
    }
    auto* contents = guide->findChild<QTreeWidget*>();
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(contents->topLevelItemCount(), sections);

    auto* find = test::child<QLineEdit>(*guide, "FindBox");
    find->setText(QStringLiteral("Wave Steepness"));
    EXPECT_TRUE(guide->findText(true));
    const int first = guide->browser()->textCursor().position();
    for (int found = 0; found < 1000 && guide->findText(true); ++found)
        if (guide->browser()->textCursor().position() == first)
            break;
    EXPECT_EQ(guide->browser()->textCursor().position(), first);
    find->setText(QStringLiteral("no such words"));
    EXPECT_FALSE(guide->findText(false));
}

} // namespace
} // namespace quorin
