// Opens arbitrary bytes as a table and reads every field of every row: the engine must
// refuse or read them, never crash or read out of bounds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "store/table_engine.h"

namespace {

// The file the inputs are written to, removed when the fuzzer exits.
struct InputFile {
    std::string path = "/tmp/brevanta-table-fuzz-" + std::to_string(getpid()) + ".dbf";
    ~InputFile() { std::remove(path.c_str()); }
};

const std::string& TablePath() {
    static const InputFile file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = TablePath();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    brevanta::Table table;
    if (table.Open(path).ok()) {
        std::size_t bytes = 0;
        for (brevanta::Status status = table.Top(); status.ok() && !table.Eof();
             status = table.Skip()) {
            for (const brevanta::FieldSpec& field : table.fields()) {
                bytes += table.FieldText(table.Field(field.name)).size();
            }
            bytes += table.Deleted() ? 1 : 0;
        }
        table.Close();
        if (bytes == SIZE_MAX) std::abort();  // keeps the reads from being optimised away
    }
    return 0;
}
