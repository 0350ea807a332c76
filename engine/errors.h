#pragma once

#include <stdexcept>

namespace zarnith {

// The three run-time errors of the number rules. A command that can fail
// catches EngineError once, in its handler: whatever step raised it, the rest
// of the command is abandoned and nothing stored before it is rolled back.
class EngineError : public std::runtime_error {
public:
    enum class Kind { TypeMismatch, DivisionByZero, Overflow };

    EngineError(Kind kind, const char *what) : std::runtime_error(what), m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Empty text, blanks only, or text that is not a number where a number is due.
class TypeMismatch : public EngineError {
public:
    TypeMismatch() : EngineError(Kind::TypeMismatch, "type mismatch") {}
};

// A floating division by 0, or an integer division whose divisor rounds to 0.
class DivisionByZero : public EngineError {
public:
    DivisionByZero() : EngineError(Kind::DivisionByZero, "division by zero") {}
};

// A value beyond the range of the type that must hold it.
class Overflow : public EngineError {
public:
    Overflow() : EngineError(Kind::Overflow, "overflow") {}
};

} // namespace zarnith
