#include "e2e/batchrunner.h"

#include "common/textfile.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace quorin::test {

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& word)
{
    std::string quoted = "'";
    for (char ch : word)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

} // namespace

BatchRun RunQuorinBatch(const TempDir& dir, const std::vector<std::string>& args,
    const std::vector<std::string>& env, const std::string& input)
{
    dir.write(".in", input);
    std::string command = "cd " + Quote(dir.path()) + " && env HOME=" + Quote(dir.file(".home"))
        + " XDG_CONFIG_HOME=" + Quote(dir.file(".home"));
    for (const auto& setting : env)
        command += " " + Quote(setting);
    command += " " + Quote(QUORIN_BATCH);
    for (const auto& arg : args)
        command += " " + Quote(arg);
    command += " <" + Quote(dir.file(".in")) + " >" + Quote(dir.file(".out")) + " 2>"
        + Quote(dir.file(".err"));
    BatchRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readWholeFile(dir.file(".out")).value_or("");
    run.err = readWholeFile(dir.file(".err")).value_or("");
    fs::remove(dir.file(".in"));
    fs::remove(dir.file(".out"));
    fs::remove(dir.file(".err"));
    fs::remove_all(dir.file(".home"));
    return run;
}

std::vector<std::string> FileNames(const TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace quorin::test
