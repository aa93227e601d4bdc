#pragma once

#include <optional>

#include "core/date.h"
#include "core/status.h"
#include "engine/growth.h"

namespace brevanta {

class DataStore;
class ReportWriter;

// Ok when the subject exists; else NotFound, saying "Portfolio <pid> was not found." or
// "Investment <hid> is not in portfolio <pid>.".
Status CheckGrowthSubject(const DataStore& store, const GrowthSubject& subject);

// Fills the writer's page with the subject's growth as of the date: its returns by calendar
// year, its risk figures (at the risk-free rate of the RISK_FREE setting), the heat map of its
// monthly returns and the chart of its month-end market values against its cost basis; with a
// benchmark investment also the benchmark's years and risk figures over the same windows.
// NotFound, with the page left empty, when there is no such portfolio or no such investment in
// it.
Status BuildGrowthPage(ReportWriter& writer, const GrowthSubject& subject, Date performance_date,
                       std::optional<Hid> benchmark = std::nullopt);

}  // namespace brevanta
