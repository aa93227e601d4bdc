#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "app/cli/store_calls.h"

namespace brevanta::cli {

// The --portfolio and --investment options of a command about a portfolio or one of its
// investments: the portfolio may be left out when the investment is named.
struct SubjectOptions {
    Pid portfolio_id{};
    Hid holding_id{};
    CLI::Option* portfolio = nullptr;
    CLI::Option* investment = nullptr;

    // Adds both options to the command.
    void AddTo(CLI::App& command, const std::string& investment_help);
    bool NamesInvestment() const { return investment->count() > 0; }
    bool NamesAny() const { return portfolio->count() + investment->count() > 0; }
    // The subject they name, or nullopt after saying why. REQUIRES: NamesAny().
    std::optional<Subject> Find(const DataStore& store) const;
};

}  // namespace brevanta::cli
