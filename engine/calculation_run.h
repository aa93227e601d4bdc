#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/clock.h"
#include "core/date.h"
#include "core/locale.h"
#include "core/status.h"
#include "engine/audit_log.h"
#include "engine/calculation.h"
#include "store/data_store.h"

namespace brevanta {

// Called after each investment with the investments done and the total to do.
using CalculationProgress = std::function<void(int done, int total)>;

// Calculates investments and portfolios over the histories in the store, stores the figures of
// each one calculated on its row, and appends its block to the audit log when LOG_AUDIT is
// on. Made for one user action: a block whose calculation computed no yearly flows (younger
// than a month) shows those of the calculation before it in the run.
class CalculationRun {
  public:
    // Reads LOG_AUDIT once, now; the log is calclog.txt in log_directory. store and clock must
    // outlive the run.
    CalculationRun(DataStore& store, const Clock& clock, std::filesystem::path log_directory,
                   Locale locale = Locale::EnUs());
    CalculationRun(const CalculationRun&) = delete;
    CalculationRun& operator=(const CalculationRun&) = delete;

    // One investment, or one portfolio, over its history as the store holds it now. Only a
    // Calculated one is stored and logged; otherwise the row keeps its figures.
    Calculation CalculateInvestment(Hid holding_id, Date performance_date);
    Calculation CalculatePortfolio(Pid portfolio_id, Date performance_date);
    // The investment, then its portfolio: the detail window's calculation.
    InvestmentAndPortfolio CalculateInvestmentAndPortfolio(Hid holding_id, Date performance_date);

    // Stores every figure of the investment, or of the portfolio, as NotCalculated under the
    // date: for one that had not started by then, so that none of its figures of another date
    // stand under this one. Logs nothing.
    void StoreNotStarted(Hid holding_id, Date performance_date);
    void StoreNotStarted(Pid portfolio_id, Date performance_date);

    // The calculate-all run: for each portfolio, for each of its investments (in the order of
    // HoldingsOfPortfolio) whose inception date is before the performance date, the investment
    // and then the portfolio, as the calls one at a time would: the tables and the log come out
    // the same. An investment that had not started by the date, and a portfolio none of whose
    // investments had, get every figure NotCalculated under the date (a portfolio without
    // investments keeps its figures). The histories of a few hundred investments at a time are
    // read once and calculated on every core; each portfolio is calculated and stored once, its
    // block logged after each of its investments. The figures are written as one
    // DataStore::Change. Returns the first figures the store refused, else the change's status.
    Status CalculatePortfolios(const std::vector<PortfolioRecord>& portfolios,
                               Date performance_date, const CalculationProgress& progress = {});

    bool logging() const { return log_.has_value(); }
    // The first figures the store refused in this run, or ok.
    const Status& status() const { return status_; }
    // The first audit log block that could not be written, or ok. The figures were stored.
    const Status& log_status() const { return log_status_; }

  private:
    struct PortfolioWork;

    // The arithmetic over the histories as the store holds them now.
    Calculation InvestmentCalculation(Hid holding_id, Date performance_date) const;
    Calculation PortfolioCalculation(Pid portfolio_id, Date performance_date) const;
    // Reads the histories of the portfolios with investments to calculate and runs their
    // arithmetic on every core.
    static void CalculateAhead(const DataStore& store, std::span<PortfolioWork> ahead,
                               Date performance_date);

    // Stores and logs an investment's calculation, then its portfolio's. A run stores a
    // portfolio's figures once: *portfolio_stored tells whether they were, once tried.
    void Conclude(const HoldingRecord& holding, const Calculation& investment,
                  const Calculation& portfolio, std::optional<bool>& portfolio_stored);
    // After a calculation: its yearly flows become the run's latest; if it was stored, its
    // block is logged with the latest flows.
    void Log(bool stored, const AuditLog::Subject& subject, const Calculation& calculation);
    // Whether the store took the figures; its first refusal is kept in status().
    bool Stored(const StoreResult<int>& stored);

    DataStore& store_;
    std::optional<AuditLog> log_;
    YearlyFlows latest_flows_;  // zero until a calculation computes some
    Status status_;
    Status log_status_;
};

}  // namespace brevanta
