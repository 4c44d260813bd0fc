#pragma once

#include <expected>
#include <string>
#include <utility>

namespace quorin {

// Why an operation gave no result, in the user's words: what went wrong and
// what to do. file names the file it is about and field the input it is about
// (by the control's object name), where there is one. An empty message means
// the user has already been told, in a message box.
struct Failure {
    std::string message;
    std::string file = {};
    std::string field = {};

    bool operator==(const Failure&) const = default;
};

// What every reading, check and apply function returns: its value or the failure.
template <typename T> using Result = std::expected<T, Failure>;

inline std::unexpected<Failure> fail(
    std::string message, std::string file = {}, std::string field = {})
{
    return std::unexpected(Failure { std::move(message), std::move(file), std::move(field) });
}

} // namespace quorin
