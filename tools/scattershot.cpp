// Opens the scatter diagram editor on a model's diagram, as "Edit Scatter
// Diagram" and Open would, and saves a picture of the screen:
//   scatter_screenshot MODEL_STEM DIRECTION OUT.png [--steepness]
#include "common/qt/desktopplatform.h"
#include "scatter/frmeditgrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <iostream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::cerr << "usage: scatter_screenshot MODEL_STEM DIRECTION OUT.png [--steepness]\n";
        return 2;
    }
    quorin::DesktopPlatform desktop;
    quorin::GridEdit store;
    quorin::frmEditGrid editor(store, { args[1].toStdString(), "3" }, desktop.platform());
    desktop.prompter.setParent(&editor);
    editor.show();
    if (!QTest::qWaitForWindowExposed(&editor))
        return 1;
    editor.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(args[2]);
    editor.findChild<QCheckBox*>(QStringLiteral("Check1"))
        ->setChecked(args.contains("--steepness"));
    editor.findChild<QToolButton*>(QStringLiteral("Command2(0)"))->click();
    QTest::qWait(200); // let the window manager and the painting settle
    const QRect frame = editor.frameGeometry();
    if (!editor.screen()
             ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
             .save(args[3]))
        return 1;
    std::cout << "Screenshot written to " << args[3].toStdString() << "\n";
    return 0;
}
