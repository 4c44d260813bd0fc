#include "common/qt/core/qtplatform.h"
#include "common/qt/desktopplatform.h"
#include "mainform/frmmain.h"
#include "mainform/startup.h"
#include "quorin_version.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>

#include <iostream>
#include <optional>
#include <string>

namespace {

std::optional<std::string> optionValue(
    const QCommandLineParser& parser, const QCommandLineOption& option)
{
    if (!parser.isSet(option))
        return std::nullopt;
    return parser.value(option).toStdString();
}

} // namespace

int main(int argc, char* argv[])
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Spectral fatigue batch control file utility.\n\n"
        "The model: the first field of model.NAM in the folder of the stored setting Files1\n"
        "(application Velmar, section Setup: on Linux ~/.config/Velmar/Velmar.conf, [Setup]\n"
        "Files1=DIR), or in the folder given by --files1. The help file is quorin_spec.chm in\n"
        "the folder of Files2 or --files2; Help and F1 open it when it is there, and show\n"
        "Quorin's own guide either way. The inputs start from the model's settings file\n"
        "(its stem followed by .DFS), which every Create or Append writes.\n\n"
        "The analysis suite reads numbers with \".\" as the decimal symbol: where the locale\n"
        "uses a comma, run with LC_NUMERIC=C.UTF-8 quorin."));
    parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption files1(QStringLiteral("files1"),
        QStringLiteral("Directory of model.NAM, instead of the stored setting."),
        QStringLiteral("DIR"));
    const QCommandLineOption files2(QStringLiteral("files2"),
        QStringLiteral("Directory of the help file, instead of the stored setting."),
        QStringLiteral("DIR"));
    parser.addOption(files1);
    parser.addOption(files2);

    // --version answers before the application needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (parser.parse(arguments) && parser.isSet(version)) {
        std::cout << "quorin " QUORIN_VERSION "\n";
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorin"));
    QApplication::setApplicationVersion(QStringLiteral(QUORIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.quorin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.example.quorin.svg")));
    parser.process(app);

    const quorin::QtSettingsStore store;
    quorin::DesktopPlatform desktop;
    quorin::QtViewSettings viewSettings;
    quorin::Session session;

    quorin::frmMain window(session, desktop.platform());
    desktop.prompter.setParent(&window);
    desktop.chooser.setParent(&window);
    window.keepViewState(viewSettings);
    window.open(quorin::readStartupDirectories(
        store, optionValue(parser, files1), optionValue(parser, files2)));
    return app.exec();
}
