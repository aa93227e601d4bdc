#pragma once

#include <string>
#include <utility>

namespace brevanta {

// The outcome of an operation that can fail: ok, or a kind and a message for the user.
class Status {
  public:
    enum class Code { Ok, NotFound, IoError, Corruption, InvalidArgument, PermissionDenied };

    Status() = default;
    static Status Ok() { return Status(); }
    static Status NotFound(std::string message) { return {Code::NotFound, std::move(message)}; }
    static Status IoError(std::string message) { return {Code::IoError, std::move(message)}; }
    static Status Corruption(std::string message) { return {Code::Corruption, std::move(message)}; }
    static Status InvalidArgument(std::string message) {
        return {Code::InvalidArgument, std::move(message)};
    }
    // The file, its directory or the file system does not allow the access.
    static Status PermissionDenied(std::string message) {
        return {Code::PermissionDenied, std::move(message)};
    }

    bool ok() const { return code_ == Code::Ok; }
    Code code() const { return code_; }
    bool IsNotFound() const { return code_ == Code::NotFound; }
    bool IsIoError() const { return code_ == Code::IoError; }
    bool IsCorruption() const { return code_ == Code::Corruption; }
    bool IsInvalidArgument() const { return code_ == Code::InvalidArgument; }
    bool IsPermissionDenied() const { return code_ == Code::PermissionDenied; }
    const std::string& message() const { return message_; }

  private:
    Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}

    Code code_ = Code::Ok;
    std::string message_;
};

}  // namespace brevanta
