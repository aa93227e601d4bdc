#pragma once

#include <string>
#include <vector>

#include "store/data_store.h"

namespace brevanta {

struct InvestmentNodeRow {
    Hid id;
    std::string name;
};

struct PortfolioNodeRow {
    Pid id;
    std::string name;
    std::vector<InvestmentNodeRow> investments;
};

// Every portfolio in the store's order (by name), each with its investments by name.
std::vector<PortfolioNodeRow> BuildPortfolioTree(const DataStore& store);

}  // namespace brevanta
