#pragma once

#include "common/clock.h"
#include "common/filelayer.h"
#include "common/result.h"
#include "run/runsetup.h"

#include <string>

namespace quorin {

// The texts of the main view that the writers read as they stand when they
// write: the SN curve boxes of the command's assessment frame, the global
// output id (Create) and the description (Append).
struct FormTexts {
    std::string tubularCurve; // txtCurve(0) for Create, txtCurve(2) for Append
    std::string memberCurve; // txtCurve(1) / txtCurve(3)
    std::string globalOutputId; // txtSTART(1)
    std::string description; // txtDesc
};

// The files a writer finished.
struct FilesWritten {
    int loadDataFiles = 0;
    int waveStepFiles = 0;
    int combinationFiles = 0;

    bool operator==(const FilesWritten&) const = default;
};

// The writers of the analysis suite's input files: the wave files of every
// direction and wave, the combination files, the batch control file with its
// global assessment section, and the selective assessment appended to it.
// They read the run set-up values and the form's texts. Each first derives
// the run numbers, refusing (before any file is opened) what cannot be
// written, then runs under one trap: the first file that cannot be created
// or written ends it, leaves the files it finished, closes its open file and
// is returned as the failure (its file and the reason). The combination
// files and the batch control file are written beside their old versions
// and put in their place when whole, so a failure leaves an old one whole
// (and a failed Append leaves the control file as it was); the wave files,
// 2 per wave and direction, are written in place.
class BatchWriter {
public:
    BatchWriter(
        RunSetup& setup, FormTexts form, FileLayer& files, const Clock& clock, char decimalSymbol);

    Result<FilesWritten> WriteStaticOnly();
    Result<FilesWritten> WriteDynamicStatic();
    Result<FilesWritten> WriteDynamicOnly();
    Result<FilesWritten> AppendSelective();

private:
    // The two dynamic variants: with static improvement (W=Wn, W=0 and static
    // runs per wave) or without it (the W=Wn run only).
    Result<FilesWritten> writeDynamic(bool withStaticImprovement);

    RunSetup& setup_;
    FormTexts form_;
    FileLayer& files_;
    const Clock& clock_;
    char decimal_;
};

} // namespace quorin
