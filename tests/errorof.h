#pragma once

// The error a piece of engine code raises, as a number a data table holds.

#include "errors.h"

#include <functional>

namespace zarnith::test {

inline constexpr int kNone = -1;
inline constexpr int kMismatch = int(EngineError::Kind::TypeMismatch);
inline constexpr int kDivZero = int(EngineError::Kind::DivisionByZero);
inline constexpr int kOverflow = int(EngineError::Kind::Overflow);

// kNone when `f` returns normally, else the kind of EngineError it raised.
inline int errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EngineError &e) {
        return int(e.kind());
    }
    return kNone;
}

} // namespace zarnith::test
