#pragma once

#include <optional>
#include <utility>
#include <variant>

namespace zarnith {

// The three run-time errors of the number rules: a text that is not a
// number where one is due, a division by zero, and a value beyond the range
// of the type that must hold it. A command that meets one abandons the rest
// of its work and shows its one message.
enum class Error { TypeMismatch, DivisionByZero, Overflow };

// What a rule gives: its value, or the error that stopped it.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_outcome(std::move(value)) {}
    Result(Error error) : m_outcome(error) {}

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &operator*() const { return std::get<0>(m_outcome); }
    const T *operator->() const { return &std::get<0>(m_outcome); }
    Error error() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, Error> m_outcome;
};

// What a step that gives no value leaves: nothing, or the error that stopped it.
using Failure = std::optional<Error>;

} // namespace zarnith
