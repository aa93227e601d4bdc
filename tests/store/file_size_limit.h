#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace brevanta::testing {

// While it lives, no file of this process can grow past `bytes`: writes beyond fail with
// EFBIG, as on a full disk. The old limit is restored however the test ends.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(uintmax_t bytes) {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_limit_);
        rlimit limit = old_limit_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_limit_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // The size of the table file with room for `rows` more rows, the length of its rows read
    // from its header.
    static uintmax_t RowsMore(const std::filesystem::path& table, int rows) {
        unsigned char header[12] = {};
        std::ifstream(table, std::ios::binary).read(reinterpret_cast<char*>(header), 12);
        const uintmax_t row_length = header[10] | header[11] << 8;
        return std::filesystem::file_size(table) + static_cast<uintmax_t>(rows) * row_length;
    }

  private:
    rlimit old_limit_{};
    void (*old_handler_)(int) = SIG_DFL;
};

}  // namespace brevanta::testing
