#pragma once

#include "error_code.h"

#include <utility>
#include <variant>

namespace zr {

// A value or the error number that kept it from being made.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(ErrorCode error) : m_state(error) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    ErrorCode error() const { return ok() ? ErrorCode::none : std::get<ErrorCode>(m_state); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    T value_or(T fallback) const { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, ErrorCode> m_state;
};

// Success, or the error number of the failure.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(ErrorCode error) : m_error(error) {}
    static Status success() { return {}; }

    bool ok() const { return m_error == ErrorCode::none; }
    explicit operator bool() const { return ok(); }
    ErrorCode error() const { return m_error; }

private:
    ErrorCode m_error = ErrorCode::none;
};

} // namespace zr
