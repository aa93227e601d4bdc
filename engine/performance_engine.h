#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/date.h"
#include "core/locale.h"
#include "core/status.h"
#include "engine/audit_log.h"
#include "engine/calculation_results.h"
#include "engine/dollar_weighted.h"
#include "engine/history_source.h"
#include "engine/market_valuation.h"
#include "store/data_store.h"

namespace brevanta {

// Calculates the performance of an investment or a whole portfolio as of a performance
// date, stores the figures on its row, keeps the monthly audit lists of the last
// calculation of each mode for the audit viewer, and appends to the audit log when
// LOG_AUDIT is on.
class PerformanceEngine {
  public:
    // Results of CalculateInvestment and CalculatePortfolio. On every code but kCalculated
    // the row keeps its previous figures.
    enum Code : int {
        kCalculated = 0,
        kNoTransactions = -1,
        kFirstNotContribution = -2,  // the first transaction is not a cash contribution
        kNotStored = -3,             // the store refused the figures; see status()
    };

    // Reads LOG_AUDIT once, now; the log is calclog.txt in log_directory.
    // store and clock must outlive the engine.
    PerformanceEngine(DataStore& store, const Clock& clock, std::filesystem::path log_directory,
                      Locale locale = Locale::EnUs());

    // While a snapshot lives, the engine reads each investment's values and transactions,
    // and each portfolio's transactions and investments, once and reuses them: the way to
    // calculate many investments and their portfolios quickly. REQUIRES: nothing changes
    // transactions, values or investments in the store meanwhile (figures may change).
    class HistorySnapshot {
      public:
        explicit HistorySnapshot(PerformanceEngine& engine) : engine_(engine) {
            engine_.histories_.Freeze();
        }
        ~HistorySnapshot() {
            engine_.histories_.Thaw();
            engine_.investment_calculations_.clear();
            engine_.portfolio_calculations_.clear();
        }
        HistorySnapshot(const HistorySnapshot&) = delete;
        HistorySnapshot& operator=(const HistorySnapshot&) = delete;

      private:
        PerformanceEngine& engine_;
    };

    PerformanceEngine(const PerformanceEngine&) = delete;
    PerformanceEngine& operator=(const PerformanceEngine&) = delete;

    // kCalculated when the transaction list can start a calculation, else the code that
    // refuses it.
    static int CheckTransactions(const TransactionTimeline& transactions);

    int CalculateInvestment(Hid holding_id, Date performance_date);
    int CalculatePortfolio(Pid portfolio_id, Date performance_date);

    // Stores every figure of the investment, or of the portfolio, as NotCalculated under the
    // date: for one that had not started by then, so that none of its figures of another date
    // stand under this one. Logs nothing. kCalculated once stored, else kNotStored.
    int StoreNotStarted(Hid holding_id, Date performance_date);
    int StoreNotStarted(Pid portfolio_id, Date performance_date);

    // A portfolio and those of its investments to calculate.
    struct PortfolioSteps {
        Pid portfolio_id;
        std::vector<Hid> holding_ids;
    };
    // Under a snapshot: runs the arithmetic of these portfolios and investments as of the date
    // ahead, on every core (ParallelFor), so that the CalculatePortfolio and
    // CalculateInvestment calls that follow for them only store their figures and log, in the
    // order of the calls. Reads the store, from several threads. REQUIRES: nothing changes the
    // store meanwhile.
    void Precalculate(const std::vector<PortfolioSteps>& steps, Date performance_date);

    // The last calculation of each mode, for the audit viewer.
    const CalculationResults& investment_results() const { return investment_results_; }
    const CalculationResults& portfolio_results() const { return portfolio_results_; }
    // The last inception dollar-weighted working numbers, of either mode.
    const YearlyFlows& yearly_flows() const { return yearly_flows_; }

    bool logging() const { return log_.has_value(); }
    // The first store failure met by this engine, or ok.
    const Status& status() const { return status_; }
    // The first audit log block that could not be written, or ok. The figures were stored.
    const Status& log_status() const { return log_status_; }

  private:
    // The arithmetic of one calculation, before its figures are stored and its block logged.
    struct Calculation {
        CalculationResults results;
        std::optional<YearlyFlows> flows;  // when the inception rate was computed
    };
    // REQUIRES: CheckTransactions(cash_flows) is kCalculated. Safe to run on several threads.
    static Calculation Calculate(const MarketValuation& valuation,
                                 const TransactionTimeline& cash_flows, Date performance_date);
    // Makes a calculation the last of its mode: its results, and its inception flows if any.
    void Adopt(Calculation calculation, CalculationResults& results);
    // The two rounds of Precalculate: the investments' histories and arithmetic, then the
    // portfolios' arithmetic.
    void PrecalculateInvestments(const std::vector<PortfolioSteps>& steps, Date performance_date);
    void PrecalculatePortfolios(const std::vector<PortfolioSteps>& steps, Date performance_date);
    // The store's answer to a write of figures as a code; its failure is kept in status().
    int Stored(const StoreResult<int>& stored);
    // After a calculation: the store's answer becomes the code; the block is logged.
    int Conclude(const StoreResult<int>& stored, const AuditLog::Subject& subject,
                 const CalculationResults& results);

    DataStore& store_;
    HistorySource histories_;
    std::optional<AuditLog> log_;
    CalculationResults investment_results_;
    CalculationResults portfolio_results_;
    YearlyFlows yearly_flows_;
    Status status_;
    Status log_status_;

    // Under a snapshot the inputs cannot change, so a calculation run ahead (Precalculate)
    // stands for the call that asks for it; investments are each asked once, while a
    // portfolio's calculation stands for every call as of the same date.
    std::map<std::pair<Hid, Date>, Calculation> investment_calculations_;
    std::map<std::pair<Pid, Date>, Calculation> portfolio_calculations_;
};

}  // namespace brevanta
