#pragma once

#include <optional>
#include <string>
#include <utility>

namespace sonara {

// Why an operation failed, for callers that act on the reason. The text
// beside it is for people, never for parsing.
enum class ErrorKind {
    Other,      // nothing a caller tells apart
    Io,         // a file or folder could not be read, written, made or removed
    Damaged,    // a file's content is not what its format allows
    Invalid,    // the input (a name, a value, an argument) is refused
    Device,     // the sound output device could not be opened or written
    Rejected,   // a decoder or player component refused the file or stream
    Cancelled,  // the user cancelled
    Absent,     // a service or device the operation needs is not there
};

// Outcome of an operation that can fail for an expected reason (a file that
// cannot be read, a full disk). Never dropped unread: a caller reports the
// failure or says why it cannot matter.
class [[nodiscard]] Status {
  public:
    static Status success() { return Status(); }
    static Status failure(std::string error) { return failure(ErrorKind::Other, std::move(error)); }
    static Status failure(ErrorKind kind, std::string error) {
        return Status(kind, std::move(error));
    }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Other on success.
    ErrorKind kind() const { return kind_; }
    const std::string& error() const {
        static const std::string none;
        return error_ ? *error_ : none;
    }

  private:
    Status() = default;
    Status(ErrorKind kind, std::string error) : kind_(kind), error_(std::move(error)) {}
    ErrorKind kind_ = ErrorKind::Other;
    std::optional<std::string> error_;
};

// A value or the reason there is none.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
    static Result failure(std::string error) { return failure(ErrorKind::Other, std::move(error)); }
    static Result failure(ErrorKind kind, std::string error) {
        return Result(kind, std::move(error));
    }
    // Carries a failed status's kind and text on.
    static Result failure(const Status& status) { return Result(status.kind(), status.error()); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    ErrorKind kind() const { return kind_; }
    const std::string& error() const { return error_; }
    // The failure (or success) without the value.
    Status status() const { return ok() ? Status::success() : Status::failure(kind_, error_); }

  private:
    Result(ErrorKind kind, std::string error) : kind_(kind), error_(std::move(error)) {}
    std::optional<T> value_;
    ErrorKind kind_ = ErrorKind::Other;
    std::string error_;
};

}  // namespace sonara
