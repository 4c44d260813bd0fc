#include "batch/reportrun.h"

#include "batch/batchrun.h"
#include "report/makereport.h"

namespace quorin {

int runReport(const std::string& path, const MainInputs& inputs, const Session& session,
    FileLayer& files, const Clock& clock, char decimalSymbol, const ReportRenderer& renderer,
    std::ostream& out, std::ostream& err)
{
    const RunReport report
        = makeRunReport({ inputs, session.waves, session.setup }, files, clock, decimalSymbol);
    const auto written = writeReport(report, path, renderer, files);
    if (!written) {
        tellFailure(written.error(), err);
        return 1;
    }
    out << *written << '\n';
    return 0;
}

} // namespace quorin
