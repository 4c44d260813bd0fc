// model.NAM as start-up reads it.
#include "fuzzsupport.h"
#include "mainform/session.h"
#include "mainform/startup.h"

using namespace quorin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::writeFile(fuzz::workFile("model.NAM"), fuzz::textOf(data, size));
    Session session;
    fuzz::CountingPrompter prompter;
    const StartupResult start = startUp({ fuzz::workFolder(), fuzz::workFolder(), std::nullopt },
        session.setup, session.waves, prompter, '.');
    // Start-up either names the file it cannot use, or takes a model from it.
    const std::string& stem = session.setup.ModelName;
    fuzz::require(prompter.told > 0 || !session.setup.NamField3.empty() || size > 0,
        "a model is taken or the file is named");
    fuzz::require(start.inputs.batchFile == stem + ".BRSF", "the batch file is the stem's");
    return 0;
}
