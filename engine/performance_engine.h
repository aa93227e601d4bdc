#pragma once

#include <filesystem>
#include <optional>

#include "core/clock.h"
#include "core/date.h"
#include "core/locale.h"
#include "core/status.h"
#include "engine/audit_log.h"
#include "engine/calculation_results.h"
#include "engine/dollar_weighted.h"
#include "engine/history_source.h"
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
            engine_.last_portfolio_.reset();
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

    // Under a snapshot, the last portfolio calculated: its inputs cannot have changed, so
    // calculating it again as of the same date gives the results it left, and the
    // inception flows kept here.
    struct LastPortfolio {
        Pid id;
        Date performance_date;
        YearlyFlows flows;
    };
    std::optional<LastPortfolio> last_portfolio_;
};

}  // namespace brevanta
