#include "exchange/line_reader.h"

#include <algorithm>

namespace brevanta {

namespace {

constexpr std::size_t kPieceBytes = 1 << 16;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), piece_(kPieceBytes) {}

// Reads through the stream rather than its buffer, so that a read error sets badbit instead
// of escaping as an exception.
bool LineReader::Fill() {
    at_ = 0;
    end_ = 0;
    if (!in_.good()) return false;
    in_.read(piece_.data(), static_cast<std::streamsize>(piece_.size()));
    end_ = static_cast<std::size_t>(in_.gcount());
    return end_ > 0;
}

bool LineReader::Next(std::string* line) {
    line->clear();
    bool started = false;
    while (at_ < end_ || Fill()) {
        if (after_cr_) {
            after_cr_ = false;
            if (piece_[at_] == '\n') {
                ++at_;
                continue;
            }
        }
        const auto begin = piece_.begin() + static_cast<std::ptrdiff_t>(at_);
        const auto stop =
            std::find_if(begin, piece_.begin() + static_cast<std::ptrdiff_t>(end_), IsLineEnd);
        const std::size_t length = static_cast<std::size_t>(stop - begin);
        const std::size_t room = kLongestLine - std::min(kLongestLine, line->size());
        line->append(begin, begin + static_cast<std::ptrdiff_t>(std::min(length, room)));
        started = started || length > 0;
        at_ += length;
        if (at_ < end_) {
            after_cr_ = piece_[at_] == '\r';
            ++at_;
            return true;
        }
    }
    return started;
}

}  // namespace brevanta
