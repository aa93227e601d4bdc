#pragma once

#include <utility>

#include "core/status.h"

namespace brevanta {

// A store operation's answer (a new identifier, a number of rows changed, a record), or why
// the operation could not run. On failure value() is T's default.
template <typename T>
class StoreResult {
  public:
    StoreResult(T value) : value_(std::move(value)) {}            // NOLINT: implicit by design
    StoreResult(Status failure) : status_(std::move(failure)) {}  // NOLINT

    bool ok() const { return status_.ok(); }
    const Status& status() const { return status_; }
    const T& value() const { return value_; }

  private:
    Status status_;
    T value_{};
};

}  // namespace brevanta
