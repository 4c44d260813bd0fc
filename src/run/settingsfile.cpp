#include "run/settingsfile.h"

#include "common/linewriter.h"
#include "common/listinput.h"
#include "common/numberforms.h"
#include "common/numberreading.h"

#include <cmath>

namespace quorin {

namespace {

// Reads fields in order and remembers the first one that was missing.
class FieldReader {
public:
    explicit FieldReader(std::string_view content)
        : input_(std::string(content))
    {
    }

    // A text field in quotes may hold what the file cannot hold unquoted: such
    // a file was not written by a command, and reading it would not come back.
    std::string text(const char* what)
    {
        auto field = input_.readText();
        if (!field)
            missing(what);
        else if (field->find_first_of(",\r\n") != std::string::npos || field->starts_with(' '))
            note(std::string("its ") + what + " \"" + *field
                + "\" holds a comma, a line end or a leading space");
        return field.value_or(std::string());
    }

    // A value stored in single precision, which must be a number it can hold.
    float single(const char* what)
    {
        const double value = number(what);
        const float stored = toSingle(value);
        if (!std::isfinite(stored))
            note(std::string("its ") + what + " is beyond the range of numbers");
        return stored;
    }

    double number(const char* what)
    {
        auto field = input_.readNumber();
        if (!field)
            missing(what);
        return field.value_or(0.0);
    }

    std::int16_t integer(const char* what)
    {
        const double value = number(what);
        const auto rounded = roundToInt16(value);
        if (!rounded && problem_.empty())
            problem_ = std::string("the ") + what + " is out of range";
        return rounded.value_or(0);
    }

    const std::string& problem() const { return problem_; }
    void note(std::string problem)
    {
        if (problem_.empty())
            problem_ = std::move(problem);
    }

private:
    void missing(const char* what) { note(std::string("the file ends before the ") + what); }

    ListInput input_;
    std::string problem_;
};

} // namespace

Result<SettingsFile> parseSettingsFile(std::string_view content)
{
    FieldReader in(content);
    SettingsFile s;
    s.noOfDirections = in.integer("number of directions");
    s.startDirection = in.single("start direction");
    const std::int16_t waveCount = in.integer("number of waves");
    if (waveCount < 0 || waveCount > 100) {
        return fail("it holds " + plainForm(waveCount, Precision::Double)
            + " waves; the table takes 0 to 100");
    }
    for (int i = 0; i < waveCount && in.problem().empty(); ++i) {
        const float height = in.single("wave heights");
        const float period = in.single("wave periods");
        const float theory = in.single("wave theories");
        s.waves.push_back({ height, period, theory });
    }
    s.waveSteps = in.text("number of wave steps");
    s.loadCaseStart = in.text("load case start");
    s.waterDepth = in.single("water depth");
    s.stressPoints = in.text("number of joint stress points");
    s.excludeStaticImprovement = in.integer("exclude static improvement setting");
    s.spectrumType = in.text("spectrum");
    s.spare1 = in.text("spare lines");
    s.spare2 = in.text("spare lines");
    s.spare3 = in.text("spare lines");
    s.frequencyCase = in.text("frequency case");
    s.damping = in.text("critical damping");
    s.spare4 = in.text("spare lines");
    in.number("spare lines");
    s.scfCorrelation = in.text("tubular joint SCF correlations");
    if (!in.problem().empty())
        return fail(in.problem());
    const double spectrum = std::nearbyint(readLenient(s.spectrumType));
    if (spectrum < 1 || spectrum > 3) {
        return fail("its spectrum \"" + s.spectrumType + "\" is not 1, 2 or 3");
    }
    return s;
}

namespace {

void writeLines(LineWriter& out, const SettingsFile& s)
{
    out << printForm(s.noOfDirections, Precision::Double);
    out.endLine();
    out.line(signedForm(s.startDirection, Precision::Double));
    out << printForm(static_cast<double>(s.waves.size()), Precision::Double);
    out.endLine();
    for (const auto& wave : s.waves) {
        out << signedForm(wave[0], Precision::Single);
        out.nextZone() << signedForm(wave[1], Precision::Single);
        out.nextZone() << signedForm(wave[2], Precision::Single);
        out.endLine();
    }
    out.line(s.waveSteps);
    out.line(s.loadCaseStart);
    out.line(signedForm(s.waterDepth, Precision::Double));
    out.line(s.stressPoints);
    out << printForm(s.excludeStaticImprovement, Precision::Double);
    out.endLine();
    out.line(s.spectrumType);
    out.line(s.spare1).line(s.spare2).line(s.spare3);
    out.line(s.frequencyCase);
    out.line(s.damping);
    out.line(s.spare4).line("Spare");
    out.line(s.scfCorrelation);
}

} // namespace

Result<void> saveSettingsFile(
    FileLayer& files, const std::string& path, const SettingsFile& settings)
{
    try {
        LineWriter out(files, path, LineWriter::Mode::Replace);
        writeLines(out, settings);
        out.close();
    } catch (const WriteError& error) {
        return fail(error.reason(), error.file());
    }
    return {};
}

} // namespace quorin
