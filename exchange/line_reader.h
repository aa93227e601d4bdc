#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace brevanta {

// The lines of a text read from a stream a piece at a time, so that a file of any size takes
// little memory. A line ends at CR, at LF, or at CR LF together; a last line without an end
// counts, an empty text has none. REQUIRES: in outlives the reader.
class LineReader {
  public:
    // A longer line keeps only its start, which holds every field an import reads: no field
    // is read past the 9999th character after a comma.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    explicit LineReader(std::istream& in);

    // The next line, without its end, in *line; false when the text has no line left.
    bool Next(std::string* line);
    // Whether reading the stream failed (its badbit), rather than reaching its end.
    bool failed() const { return in_.bad(); }

  private:
    bool Fill();

    std::istream& in_;
    std::vector<char> piece_;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    bool after_cr_ = false;  // the last line ended at CR: a LF right after belongs to it
};

}  // namespace brevanta
