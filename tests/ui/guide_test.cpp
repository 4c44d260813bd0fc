#include "guide/guidewindow.h"
#include "scatter/frmeditgrid.h"
#include "ui/widgets.h"
#include "wavetable/frmdefwaves.h"

#include <QAbstractItemView>
#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace quorin {
namespace {

// The main view and the two modal windows, open as a user meets them.
class Guide : public testing::Test {
protected:
    // The guide's selection after F1 on the named control, its window shown alone.
    QString helpKeyOn(QWidget& window, const char* name)
    {
        for (QWidget* other : std::initializer_list<QWidget*> { &view, &dialog, &editor })
            other->hide();
        test::showActive(window); // a window not shown gets no F1 below
        QWidget* control = test::child(window, name);
        control->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(control, Qt::Key_F1);
        guide = window.findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
        return guide && guide->isVisible() ? guide->browser()->textCursor().selectedText()
                                           : QStringLiteral("<no guide>");
    }

    GuideWindow* guide = nullptr; // the one F1 showed last
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
// has the guide's paragraph as its What's This.
TEST_F(Guide, EveryInputHasAToolTipOfOneSentenceAndAWhatsThis)
{
    // The editor's picture buttons keep the one-word tips they are named by.
    const QStringList givenTips = { "Open", "Save", "Cut", "Copy", "Pasts" };
    int inputs = 0;
    for (QWidget* window : std::initializer_list<QWidget*> { &view, &dialog, &editor }) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!(qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control)
                    || qobject_cast<QAbstractItemView*>(control))
                || name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                continue;
            ++inputs;
            const QString tip = control->toolTip();
            const bool sentence = tip.endsWith('.') && !tip.contains(". ") && tip.size() > 12;
            EXPECT_TRUE((sentence || givenTips.contains(tip)) && !control->whatsThis().isEmpty())
                << (window->objectName() + "/" + name + ": " + tip).toStdString();
        }
    }
    EXPECT_GT(inputs, 60);
}

// F1 opens the guide at the control with the focus, in the main view (which
// names a missing help file above the guide) and in a modal window; every link
// of the guide leads to a place in it, and Find goes round the end and says
// when it finds nothing.
TEST_F(Guide, HelpKeyShowsTheFocusedControlsParagraphAndLinksLeadSomewhere)
{
    EXPECT_TRUE(helpKeyOn(dialog, "txtREAL(1)").startsWith("Wave Steepness"));
    view.setHelpFile(QStringLiteral("/nowhere/help.chm"));
    EXPECT_EQ(helpKeyOn(view, "txtDEPTH").left(27).toStdString(), "Water Depth The water depth");
    QStringList notices;
    for (QLabel* label : guide->findChildren<QLabel*>())
        notices << (label->isVisible() ? label->text() : QString());
    EXPECT_TRUE(notices.contains("The help file was not found: /nowhere/help.chm"));

    const QString html = guide->browser()->toHtml();
    int links = 0;
    for (const auto& link : QRegularExpression(R"re(href="([^"]*)")re").globalMatch(html)) {
        ++links;
        EXPECT_TRUE(link.captured(1).startsWith('#')
            && html.contains("name=\"" + link.captured(1).mid(1) + "\""))
            << link.captured(1).toStdString();
    }
    EXPECT_GT(links, 20);

    test::child<QLineEdit>(*guide, "FindBox")->setText(QStringLiteral("Wave Steepness"));
    ASSERT_TRUE(guide->findText(true));
    const int first = guide->browser()->textCursor().position();
    int found = 0; // past the end and round to the first again
    while (guide->findText(true) && guide->browser()->textCursor().position() != first)
        ASSERT_LT(++found, 50);
    EXPECT_EQ(guide->browser()->textCursor().position(), first);
    test::child<QLineEdit>(*guide, "FindBox")->setText(QStringLiteral("no such words"));
    EXPECT_FALSE(guide->findText(false));
}

} // namespace
} // namespace quorin
