// Writes a generated data directory for timing the command line and the desktop application
// by hand: brevanta-bench-store DIR [--portfolios N] [--investments-per-portfolio N]
// [--months N]. The defaults give the large workload of the benchmarks.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "bench/bench_store_data.h"

int main(int argc, char** argv) {
    brevanta::bench::BenchStoreShape shape;
    std::string directory;
    CLI::App app("Writes the tables of a generated data directory");
    app.add_option("DIR", directory, "Directory to create (must not hold tables yet)")->required();
    app.add_option("--portfolios", shape.portfolios, "Portfolios")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    app.add_option("--investments-per-portfolio", shape.holdings_per_portfolio,
                   "Investments in each portfolio")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    app.add_option("--months", shape.months, "Monthly values and transactions per investment")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    CLI11_PARSE(app, argc, argv);

    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::cerr << directory << ": " << error.message() << "\n";
        return 1;
    }
    const brevanta::Status status = brevanta::bench::WriteBenchTables(directory, shape);
    if (!status.ok()) {
        std::cerr << status.message() << "\n";
        return 1;
    }
    return 0;
}
