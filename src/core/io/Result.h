#pragma once

#include <optional>
#include <string>
#include <utility>

namespace sonara {

// Outcome of an operation that can fail for an expected reason (a file that
// cannot be read, a full disk). The error text is for people, not for parsing.
class Status {
  public:
    static Status success() { return Status(); }
    static Status failure(std::string error) { return Status(std::move(error)); }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& error() const {
        static const std::string none;
        return error_ ? *error_ : none;
    }

  private:
    Status() = default;
    explicit Status(std::string error) : error_(std::move(error)) {}
    std::optional<std::string> error_;
};

// A value or the reason there is none.
template <typename T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
    static Result failure(std::string error) { return Result(std::move(error), 0); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    const std::string& error() const { return error_; }

  private:
    Result(std::string error, int) : error_(std::move(error)) {}
    std::optional<T> value_;
    std::string error_;
};

}  // namespace sonara
