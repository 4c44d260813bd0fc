#pragma once

#include "support/tempdir.h"

#include <string>
#include <vector>

namespace quorin::test {

// quorin-batch run in a model directory, as a user would from a shell.
struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs quorin-batch with the arguments (each passed as one word) in the
// directory, with a home of its own so no stored settings leak in; env holds
// extra "NAME=value" settings such as a locale; input is its standard input.
BatchRun RunQuorinBatch(const TempDir& dir, const std::vector<std::string>& args,
    const std::vector<std::string>& env = {}, const std::string& input = {});

// The names of the files in dir.
std::vector<std::string> FileNames(const TempDir& dir);

// The lines of a written file, split at each CR LF; joined again with CR LF
// they give the text back, so equal lines are equal files.
std::vector<std::string> LinesOf(const std::string& text);

} // namespace quorin::test
