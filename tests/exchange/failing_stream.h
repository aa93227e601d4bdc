#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace brevanta::testing {

// A stream that takes the first `capacity` bytes and fails on the next one, as a full disk
// does part-way through a file.
class FailingStreamBuf : public std::streambuf {
  public:
    explicit FailingStreamBuf(std::size_t capacity) : capacity_(capacity) {}
    const std::string& written() const { return written_; }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (written_.size() >= capacity_) return traits_type::eof();
        written_ += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t capacity_;
    std::string written_;
};

class FailingStream : public std::ostream {
  public:
    explicit FailingStream(std::size_t capacity) : std::ostream(nullptr), buffer_(capacity) {
        rdbuf(&buffer_);
    }
    const std::string& written() const { return buffer_.written(); }

  private:
    FailingStreamBuf buffer_;
};

}  // namespace brevanta::testing
