#pragma once

#include <string>

namespace quorin {

// One assessment frame of the main view: "Global Assessments" (Create) or
// "Selective Assessments" (Append).
struct AssessmentFrame {
    bool tubularJoints = false; // chkJOINTS(0) / chkJOINTS(2)
    std::string tubularCurve = "T"; // txtCurve(0) / txtCurve(2)
    bool memberJoints = true; // chkJOINTS(1) / chkJOINTS(3)
    std::string memberCurve = "F2"; // txtCurve(1) / txtCurve(3)
    std::string scf = "1.0"; // Text1(3) / Text1(0)
    std::string thickness = "0.02"; // Text1(2) / Text1(1)
    bool vmStress = false; // Check1(0) / Check1(1)

    int jointBoxes() const { return (tubularJoints ? 1 : 0) + (memberJoints ? 1 : 0); }
    bool operator==(const AssessmentFrame&) const = default;
};

// Every input of the main view as the user left it: the view fills it from
// its controls and shows it; quorin-batch fills it from its options. The
// table of inputs (run/inputtable.h) names the control of each member.
struct MainInputs {
    std::string batchFile = "C:\\FATENV"; // txtBATNAM
    int directionOption = 3; // selected Option1 element, 0 to 7; -1 when none
    int spectrum = 3; // selected Option6 element, 1 to 3
    std::string loadCaseStart = "70"; // txtSTART(0)
    std::string frequencyCase = "50"; // txtRETURN
    std::string damping = "5"; // txtBLOCKS
    bool staticOnly = false; // Check2
    bool excludeStaticImprovement = false; // Check3
    std::string startDirection = "0"; // txtSTARTDIR
    std::string scfCorrelation = "4"; // txtSCF
    std::string stressPoints = "8"; // txtSTRESS
    std::string waveSteps = "12"; // txtWAVESTEP
    std::string waterDepth = "113.3"; // txtDEPTH

    AssessmentFrame global { true, "T", true, "F2", "1.0", "0.02", false };
    std::string globalOutputId = "200"; // txtSTART(1)

    AssessmentFrame selective { false, "T", true, "F2", "1.0", "0.02", false };
    std::string groupSet = "10"; // txtSTART(4)
    int groupOption = 1; // selected Option5 element: 0 element group, 1 node group
    std::string groupNo = "1"; // txtSTART(5)
    std::string selectiveOutputId = "205"; // txtSTART(3)
    std::string description; // txtDesc, at most kDescriptionLimit characters

    bool operator==(const MainInputs&) const = default;
};

inline constexpr int kDescriptionLimit = 30;

} // namespace quorin
