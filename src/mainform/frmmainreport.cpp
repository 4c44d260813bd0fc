#include "mainform/frmmain.h"

#include "common/qt/busypointer.h"
#include "common/qt/widgethelpers.h"
#include "mainform/captions.h"
#include "report/makereport.h"
#include "report/qt/qtreportrenderer.h"

namespace quorin {

void frmMain::saveReport()
{
    const auto path = platform_.chooser.chooseSaveFile(caption::reportTitle,
        proposedReportName(setup_.ModelName),
        { { caption::reportPdf, "pdf" }, { caption::reportHtml, "html" } });
    if (!path) {
        showOutcome(fail(caption::reportCancelled));
        return;
    }
    Result<std::string> outcome;
    {
        BusyPointer busy;
        const MainInputs in = inputs();
        const RunReport report = makeRunReport({ in, waves_, setup_ }, platform_.files,
            platform_.clock, platform_.numberFormat.decimalSymbol());
        outcome = writeReport(report, *path, QtReportRenderer(), platform_.files);
    }
    showOutcome(outcome);
}

} // namespace quorin
