#include "exchange/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace brevanta {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    LineReader reader(in);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(&line);) lines.push_back(line);
    return lines;
}

TEST(LineReaderTest, LinesEndAtCrLfOrCrLfWhereverThePiecesOfTheStreamEnd) {
    const std::string long_line(LineReader::kLongestLine + 100, 'x');
    // The stream is read in pieces of 64 KiB: this CR ends one piece and its LF starts the next.
    const std::string before_the_piece_end(64 * 1024 - 1, 'y');
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n\r", {"", ""}},
        {before_the_piece_end + "\r\nz", {before_the_piece_end, "z"}},
        {long_line + "\r\nz", {long_line.substr(0, LineReader::kLongestLine), "z"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(c.text), c.lines) << c.text.substr(0, 20);
}

}  // namespace
}  // namespace brevanta
