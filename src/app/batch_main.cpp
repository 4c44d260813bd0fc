#include "batch/batchoptions.h"
#include "batch/batchrun.h"
#include "common/qt/core/qtplatform.h"
#include "report/qt/qtreportrenderer.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>

int main(int argc, char* argv[])
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    // Only the report draws: it takes Qt's GUI, on the offscreen platform
    // unless another is named, so that it runs the same with or without a
    // display and never opens a window.
    const auto options = quorin::parseBatchOptions(args);
    std::unique_ptr<QCoreApplication> app;
    if (options && options->command == quorin::BatchOptions::Command::Report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The platform's notes on its set-up (a runtime folder taken by
        // default, a font stood in for another) are no business of a script
        // reading standard error: only its faults get through.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::cerr << text.toStdString() << '\n';
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const quorin::QtSettingsStore store;
    const quorin::QtClock clock;
    const quorin::QtNumberFormat format;
    const quorin::QtReportRenderer renderer;
    return quorin::runBatch(
        args, store, clock, format.decimalSymbol(), renderer, std::cin, std::cout, std::cerr);
}
