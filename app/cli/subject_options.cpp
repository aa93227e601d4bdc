#include "app/cli/subject_options.h"

#include "app/cli/commands.h"

namespace brevanta::cli {

void SubjectOptions::AddTo(CLI::App& command, const std::string& investment_help) {
    portfolio = AddIdentifierOption(command, "--portfolio", portfolio_id,
                                    "Portfolio identifier (default: the investment's)");
    investment = AddIdentifierOption(command, "--investment", holding_id, investment_help);
}

std::optional<Subject> SubjectOptions::Find(const DataStore& store) const {
    return NamedSubject(store, Given(portfolio, portfolio_id), Given(investment, holding_id));
}

}  // namespace brevanta::cli
