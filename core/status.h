#pragma once

#include <string>
#include <utility>

#include "core/message.h"

namespace brevanta {

// The outcome of an operation that can fail: ok, or a kind and a message for the user.
class Status {
  public:
    enum class Code { Ok, NotFound, IoError, Corruption, InvalidArgument, PermissionDenied };

    Status() = default;
    static Status Ok() { return Status(); }
    static Status NotFound(Message message) { return {Code::NotFound, std::move(message)}; }
    static Status IoError(Message message) { return {Code::IoError, std::move(message)}; }
    static Status Corruption(Message message) { return {Code::Corruption, std::move(message)}; }
    static Status InvalidArgument(Message message) {
        return {Code::InvalidArgument, std::move(message)};
    }
    // The file, its directory or the file system does not allow the access.
    static Status PermissionDenied(Message message) {
        return {Code::PermissionDenied, std::move(message)};
    }

    bool ok() const { return code_ == Code::Ok; }
    Code code() const { return code_; }
    bool IsNotFound() const { return code_ == Code::NotFound; }
    bool IsIoError() const { return code_ == Code::IoError; }
    bool IsCorruption() const { return code_ == Code::Corruption; }
    bool IsInvalidArgument() const { return code_ == Code::InvalidArgument; }
    bool IsPermissionDenied() const { return code_ == Code::PermissionDenied; }
    // Why, in English, as the command line prints it.
    std::string message() const { return message_.English(); }
    // Why, in parts a translation can take.
    const Message& text() const { return message_; }
    // The same kind of failure with another message.
    Status WithMessage(Message message) const { return {code_, std::move(message)}; }

  private:
    Status(Code code, Message message) : code_(code), message_(std::move(message)) {}

    Code code_ = Code::Ok;
    Message message_;
};

// The failure with where it happened before its message ("Trans.dbf: ..."); ok stays ok.
inline Status Prefixed(Message where, const Status& status) {
    if (status.ok()) return status;
    return status.WithMessage(
        Message(BREVANTA_TEXT("Core", "%1: %2"), {std::move(where), status.text()}));
}

}  // namespace brevanta
