#pragma once

// The texts of the main view that are not those of an input (the inputs'
// captions stand in the table of inputs). An ampersand marks the access key
// of the next letter.
namespace quorin::caption {

inline constexpr const char* window
    = "Quorin SPECTRAL FATIGUE ANALYSIS  -   Batch Control File Utility";
inline constexpr const char* editScatter = "Edit Scatter Diagram";
inline constexpr const char* globalFrame = "Global Assessments";
inline constexpr const char* selectiveFrame = "Selective Assessments";
inline constexpr const char* create = "Crea&te Control File ";
inline constexpr const char* append = "Append to Control File";
inline constexpr const char* waveData = "Tranfer Function Wave Data";
inline constexpr const char* cut = "Cut";
inline constexpr const char* paste = "Paste";
inline constexpr const char* copy = "Copy";
inline constexpr const char* defaultWaves = "Generate Default Waves";
inline constexpr const char* insertAfter = "Insert After";
inline constexpr const char* toggleFrequency = "Toggle Freq Rad/s";
inline constexpr const char* report = "Report...";
inline constexpr const char* reportTitle = "Save Run Report";
inline constexpr const char* reportPdf = "PDF document";
inline constexpr const char* reportHtml = "Web page";
inline constexpr const char* reportCancelled = "No report was written: no file was chosen.";
inline constexpr const char* help = "&Help";
inline constexpr const char* close = "Close";
inline constexpr const char* waveGrid = "Wave Data";
inline constexpr const char* cellEditor = "Cell Editor";
inline constexpr const char* helpMissing = "The help file was not found: ";
inline constexpr const char* whatChanged = "&What changed";
inline constexpr const char* whatChangedTitle = "What changed";

} // namespace quorin::caption
