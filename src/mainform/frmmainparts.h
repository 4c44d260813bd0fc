#pragma once

#include <QString>

// The texts of the main view, each in one place, and what its two halves
// (building the controls, acting on them) share.
namespace quorin {

// Every text the view shows. An ampersand marks the access key of the next letter.
namespace caption {
inline constexpr const char* window
    = "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility";
inline constexpr const char* batchFile = "Fatigu&e Batch File";
inline constexpr const char* directions = "N&umber of Directions";
inline constexpr const char* spectrum = "Wave Energy Spectrum";
inline constexpr const char* spectra[4]
    = { "", "ITTC Spectrum", "Pierson-Moskowitz PM", "JONSWAP " };
inline constexpr const char* editScatter = "Edit Scatter Diagram";
inline constexpr const char* frequencyCase = "Frequency Case";
inline constexpr const char* damping = "Critical Damping %";
inline constexpr const char* staticOnly = "Static Only";
inline constexpr const char* loadCaseStart = "Load Case (Start)";
inline constexpr const char* excludeStatic = "Exclude Static Improvement";
inline constexpr const char* startDirection = "Start Direction (De&g)";
inline constexpr const char* scfCorrelation = "Tubular Joint SCF Correlations";
inline constexpr const char* stressPoints = "No of &Joint Stress Points";
inline constexpr const char* globalFrame = "Global Assessments";
inline constexpr const char* selectiveFrame = "Selective Assessments";
inline constexpr const char* tubularJoints = "Tubular Joints    SN Curve";
inline constexpr const char* memberJoints = "Member Joints    SN Curve";
inline constexpr const char* tubularCurve = "Tubular Joints SN Curve";
inline constexpr const char* memberCurve = "Member Joints SN Curve";
inline constexpr const char* scf = "SCF";
inline constexpr const char* thickness = "Thickness";
inline constexpr const char* vmStress = "Include VM Stress Opt";
inline constexpr const char* outputIdStart = "Output ID Number (Start)";
inline constexpr const char* create = "Crea&te Control File ";
inline constexpr const char* groupSet = "Group SET No";
inline constexpr const char* elementGroup = "Restrict to Element Group";
inline constexpr const char* nodeGroup = "Restrict to Node Group";
inline constexpr const char* groupNo = "Restrict to Group No.";
inline constexpr const char* description = "Description";
inline constexpr const char* append = "Append to Control File";
inline constexpr const char* waveData = "Tranfer Function Wave Data";
inline constexpr const char* waveSteps = "No of Wave Ste&ps";
inline constexpr const char* waterDepth = "W&ater Depth";
inline constexpr const char* cut = "Cut";
inline constexpr const char* paste = "Paste";
inline constexpr const char* copy = "Copy";
inline constexpr const char* defaultWaves = "Generate Default Waves";
inline constexpr const char* insertAfter = "Insert After";
inline constexpr const char* toggleFrequency = "Toggle Freq Rad/s";
inline constexpr const char* help = "&Help";
inline constexpr const char* close = "Close";
inline constexpr const char* waveGrid = "Wave Data";
inline constexpr const char* cellEditor = "Cell Editor";
inline constexpr const char* helpMissing = "The help file was not found: ";
} // namespace caption

// The elements of the controls that one assessment frame holds.
struct AssessmentElements {
    int tubular; // chkJOINTS, txtCurve
    int member; // chkJOINTS, txtCurve
    int scf; // Text1
    int thickness; // Text1
    int vmStress; // Check1
};

inline constexpr AssessmentElements kGlobalElements { 0, 1, 3, 2, 0 };
inline constexpr AssessmentElements kSelectiveElements { 2, 3, 0, 1, 1 };

inline QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

// A control's object name: its name with the index in brackets.
inline QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace quorin
