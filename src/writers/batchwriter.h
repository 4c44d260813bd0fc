#pragma once

#include "common/clock.h"
#include "mainform/maininputs.h"
#include "mainform/runsetup.h"

#include <string>

namespace quorin {

// What one writer did: the files it finished, and where it stopped if it failed.
struct WriterResult {
    int loadDataFiles = 0;
    int waveStepFiles = 0;
    int combinationFiles = 0;
    bool controlFile = false; // the batch control file was written (or appended to) in full
    bool failed = false;
    std::string failedFile; // the file being written when the writer stopped
    std::string reason; // why, in the user's words

    bool operator==(const WriterResult&) const = default;
};

// The writers of the analysis suite's input files: the wave files of every
// direction and wave, the combination files, the batch control file with its
// global assessment section, and the selective assessment appended to it.
// They read the run set-up values, and from the main view's inputs only the
// SN curve boxes, the global output id and the description, as they stand
// when the lines are written. Each runs under one trap: the first failure
// ends it, leaves what it wrote, closes its open file and is returned.
class BatchWriter {
public:
    BatchWriter(RunSetup& setup, const MainInputs& form, const Clock& clock, char decimalSymbol);

    WriterResult WriteStaticOnly();
    WriterResult WriteDynamicStatic();
    WriterResult WriteDynamicOnly();
    WriterResult AppendSelective();

private:
    // The two dynamic variants: with static improvement (W=Wn, W=0 and static
    // runs per wave) or without it (the W=Wn run only).
    WriterResult writeDynamic(bool withStaticImprovement);

    RunSetup& setup_;
    const MainInputs& form_;
    const Clock& clock_;
    char decimal_;
};

} // namespace quorin
