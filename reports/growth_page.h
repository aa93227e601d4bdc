#pragma once

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
// year and the chart of its month-end market values against its cost basis. NotFound, with
// the page left empty, when there is no such portfolio or no such investment in it.
Status BuildGrowthPage(ReportWriter& writer, const GrowthSubject& subject, Date performance_date);

}  // namespace brevanta
