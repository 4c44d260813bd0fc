#include "mainform/startup.h"

#include "support/scripted.h"
#include "support/tempdir.h"
#include "wavetable/wavegrid.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorin {
namespace {

std::string Settings(const std::string& head, const std::string& waves, const std::string& exclude,
    const std::string& spectrum, const std::string& freq)
{
    return head + waves + "12\r\n70\r\n 113.3\r\n8\r\n" + exclude + "\r\n" + spectrum
        + "\r\nSpare\r\nSpare\r\nSpare\r\n" + freq + "\r\n5\r\nSpare\r\nSpare\r\n4\r\n";
}

struct Fixture {
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    RunSetup setup;
    GridModel waves { kWaveGridRows, kWaveGridCols };

    Fixture() { dir.write("model.NAM", dir.file("JKT") + ",x,3rd\r\n"); }
    StartupResult start(char decimal = '.')
    {
        return startUp({ dir.path(), dir.path(), std::nullopt }, setup, waves, prompter, decimal);
    }
};

TEST(StartUp, WithoutSettingsFileEveryInputHasItsDefault)
{
    Fixture f;
    const StartupResult result = f.start();
    MainInputs expected;
    expected.batchFile = f.dir.file("JKT") + ".BRSF";
    EXPECT_EQ(result.inputs, expected);
    const RunSetup& s = f.setup;
    EXPECT_EQ(std::tuple(s.SpectrumType, s.ModelName, s.NamField3, s.WaveSteepness, result.helpFile,
                  f.prompter.messages().size()),
        std::tuple("3", f.dir.file("JKT"), "3rd", 22.0f, f.dir.file("quorin_spec.chm"), 0u));
    EXPECT_EQ(f.waves.text(100, 0) + " " + f.waves.text(0, 2), "100 Period");
}

// Each direction code selects its option. A frequency case of "-" checks
// Static Only and clears Exclude Static Improvement; the spectrum is read
// leniently. The settings round trip of the commands' tests has the other values.
TEST(StartUp, DirectionCodeSelectsItsOptionAndAStaticRunClearsExclude)
{
    const std::pair<const char*, int> cases[]
        = { { " 1 ", 0 }, { " 2 ", 1 }, { " 3 ", 2 }, { " 14 ", 3 }, { " 4 ", 4 }, { " 6 ", 5 },
              { " 8 ", 6 }, { " 12 ", 7 }, { " 5 ", 3 }, { " 0 ", 3 } };
    for (const auto& [code, option] : cases) {
        Fixture f;
        f.dir.write(
            "JKT.DFS", Settings(std::string(code) + "\r\n 0\r\n 0 \r\n", "", " 1 ", "1.4", "-"));
        const MainInputs in = f.start().inputs;
        EXPECT_EQ(std::tuple(in.directionOption, in.staticOnly, in.excludeStaticImprovement,
                      f.setup.ExcludeStaticImprovement, in.frequencyCase, in.spectrum,
                      f.setup.SpectrumType),
            std::tuple(option, true, false, 0, "-", 1, "1"))
            << code;
    }
}

TEST(StartUp, DecimalCommaWarnsOnceAndWritesNumbersWithComma)
{
    Fixture f;
    f.dir.write("JKT.DFS",
        Settings(
            " 14 \r\n 12.5\r\n 1 \r\n", " 2.5           7.25          1\r\n", " 0 ", "3", "50"));
    const MainInputs inputs = f.start(',').inputs;
    ASSERT_EQ(f.prompter.messages().size(), 1u);
    const auto& warning = f.prompter.messages()[0];
    EXPECT_EQ(warning.text,
        "This computer is using , symbol for the decimal symbol\r\rTo run the fatig analysis "
        "the . symbol must be used for the decimal symbol\r\rThis module may be used to "
        "create the run control files but then use the Windows\rControl Panel/Regional "
        "Settings/Number to change the decimal symbol from , to .");
    EXPECT_EQ(std::pair(warning.buttons, warning.icon),
        std::pair(Prompter::Buttons::OkCancel, Prompter::Icon::Critical));
    EXPECT_EQ(inputs.waterDepth + " " + inputs.startDirection + " " + f.waves.text(1, 2),
        "113,3 12,5 7,25");
}

TEST(StartUp, UnusableFilesAreNamedAndLeaveTheDefaults)
{
    // A settings file of two directions with the wave count, waves and spectrum given.
    const auto dfs = [](const char* count, const std::string& waves, const char* spectrum) {
        return Settings(
            std::string(" 2 \r\n 0\r\n ") + count + " \r\n", waves, " 0 ", spectrum, "50");
    };
    std::string waves150;
    for (int i = 0; i < 150; ++i)
        waves150 += " 1  2  1\r\n";
    const std::string full = dfs("0", "", "1");
    // What is wrong, the model model.NAM names (nullptr: no model.NAM) and
    // the settings file (empty: none). The message names the settings file,
    // or model.NAM when the model is unknown.
    const std::tuple<const char*, const char*, std::string> cases[]
        = { { "truncated settings", "STEM,x,y", full.substr(0, full.size() - 20) },
              { "150 waves", "STEM,x,y", dfs("150", waves150, "1") },
              { "negative wave count", "STEM,x,y", dfs("-1", "", "1") },
              { "spectrum 4", "STEM,x,y", dfs("0", "", "4") }, { "missing model.NAM", nullptr, "" },
              { "model.NAM with two fields", "STEM,x", "" } };
    for (const auto& [name, modelNam, settings] : cases) {
        SCOPED_TRACE(name);
        Fixture f;
        std::filesystem::remove(f.dir.file("model.NAM"));
        if (modelNam)
            f.dir.write("model.NAM", f.dir.file(modelNam) + "\r\n");
        if (!settings.empty())
            f.dir.write("STEM.DFS", settings);
        const MainInputs inputs = f.start().inputs;
        ASSERT_EQ(f.prompter.messages().size(), 1u);
        const std::string named = settings.empty() ? "model.NAM" : "STEM.DFS";
        EXPECT_NE(f.prompter.messages()[0].text.find(named), std::string::npos);
        MainInputs expected;
        expected.batchFile = (settings.empty() ? std::string() : f.dir.file("STEM")) + ".BRSF";
        EXPECT_EQ(inputs, expected);
        EXPECT_EQ(f.setup.SpectrumType, "3");
    }
}

TEST(StartUp, StoredSettingsGiveWayToOverrides)
{
    test::MapSettingsStore store;
    store.values = { { "Velmar/Setup/Files1", "/models" }, { "Velmar/Setup/Files2", "/help" } };
    const auto stored = readStartupDirectories(store, std::nullopt, std::nullopt);
    EXPECT_EQ(stored.files1 + " " + stored.files2, "/models /help");
    const auto overridden = readStartupDirectories(store, std::string("/mine"), std::nullopt);
    EXPECT_EQ(overridden.files1 + " " + overridden.files2, "/mine /help");
}

} // namespace
} // namespace quorin
