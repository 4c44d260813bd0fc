#pragma once

#include "mainform/maininputs.h"

#include <optional>
#include <string>

namespace quorin {

// The checks Create and Append make before anything is written: every text
// they will convert strictly, and every number the writers will derive from
// them, must fit. Returns the message that names the first field refused.
std::optional<std::string> CheckCreateInputs(const MainInputs& inputs, char decimalSymbol);
std::optional<std::string> CheckAppendInputs(const MainInputs& inputs, char decimalSymbol);

} // namespace quorin
