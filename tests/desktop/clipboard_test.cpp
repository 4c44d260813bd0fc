#include "mainform/frmmain.h"
#include "ui/widgets.h"

#include <QClipboard>
#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quorin {
namespace {

constexpr int kWaitMs = 10000;

// Under a real X server: the wave table and another program exchange text
// through the desktop clipboard.
TEST(DesktopClipboard, WaveTableExchangesTextWithAnotherProgram)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under an X server";
    Session session;
    test::Platforms platforms;
    frmMain view { session, platforms.platform() };
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    GridModel& waves = session.waves;
    // Runs xclip on the CLIPBOARD selection while this program goes on serving it.
    const auto xclip = [&view](const char* direction) {
        auto* process = new QProcess(&view);
        process->start(QStringLiteral("xclip"), { "-selection", "clipboard", direction });
        return process;
    };

    // Another program puts spreadsheet rows on the clipboard: Paste takes them.
    QSignalSpy changed(QApplication::clipboard(), &QClipboard::dataChanged);
    QProcess* put = xclip("-i");
    put->write("1.5\t10\r\n2.0\t12\r\n");
    put->closeWriteChannel();
    ASSERT_TRUE(changed.wait(kWaitMs)) << "xclip did not take the clipboard";
    waves.setCurrent(1, 1);
    waves.setSelectionEnd(2, 2);
    test::child<QAbstractButton>(view, "Command2(1)")->click();
    EXPECT_EQ(waves.rangeText(), "1.5\t10\r2.0\t12");

    // Copy's text reaches the other program, its rows ended by CR alone.
    test::child<QAbstractButton>(view, "Command2(2)")->click();
    QProcess* get = xclip("-o");
    QSignalSpy finished(get, &QProcess::finished);
    ASSERT_TRUE(finished.wait(kWaitMs)) << "xclip did not read the clipboard";
    EXPECT_EQ(get->readAllStandardOutput().toStdString(), "1.5\t10\r2.0\t12");
}

} // namespace
} // namespace quorin
