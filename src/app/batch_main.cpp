#include "batch/batchrun.h"
#include "common/qt/core/qtplatform.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    QCoreApplication app(argc, argv);
    const quorin::QtSettingsStore store;
    const quorin::QtClock clock;
    const quorin::QtNumberFormat format;
    return quorin::runBatch(
        args, store, clock, format.decimalSymbol(), std::cin, std::cout, std::cerr);
}
