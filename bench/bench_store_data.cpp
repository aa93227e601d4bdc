#include "bench/bench_store_data.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "store/table_access.h"
#include "store/table_layouts.h"
#include "store/table_rows.h"

namespace brevanta::bench {

namespace {

template <typename Rows, typename Write>
Status AppendRows(const TableFile& file, int count, Write write) {
    RowAppender<Rows> appender(file, AppendStart::Here);
    Status status = appender.Open();
    if (status.ok()) status = appender.BeginBatch();
    for (int i = 0; status.ok() && i < count; ++i) {
        status =
            appender.Append([&](const Rows& rows, RowWriter& writer) { write(rows, writer, i); });
    }
    if (status.ok()) status = appender.Commit();
    const Status closed = appender.Close();
    return status.ok() ? closed : status;
}

}  // namespace

Date MonthEndBefore(Date last, int months_before) {
    const int index = last.year() * 12 + (last.month() - 1) - months_before;
    const int year = index / 12, month = index % 12 + 1;
    return Date::Ymd(year, month, DaysInMonth(year, month));
}

Status WriteBenchTables(const std::string& directory, const BenchStoreShape& shape) {
    const auto file = [&](const char* name) { return TableFile{directory + "/" + name, name}; };
    const TableFile portfolios_table = file(kPortfolioTableFile),
                    holdings_table = file(kHoldingTableFile),
                    transactions_table = file(kTransactionTableFile),
                    values_table = file(kValueTableFile), settings_table = file(kSettingsTableFile);
    for (const auto& [table, layout] : {std::pair{&portfolios_table, PortfolioTableLayout()},
                                        std::pair{&holdings_table, HoldingTableLayout()},
                                        std::pair{&transactions_table, TransactionTableLayout()},
                                        std::pair{&values_table, ValueTableLayout()},
                                        std::pair{&settings_table, SettingsTableLayout()}}) {
        if (Status status = Table::Create(table->path, layout); !status.ok()) return status;
    }

    const Date inception = MonthEndBefore(shape.last_month_end, shape.months);
    const int holdings = shape.portfolios * shape.holdings_per_portfolio;
    const auto portfolio_of = [&](int holding_index) {
        return holding_index / shape.holdings_per_portfolio + 1;
    };
    Status status = AppendRows<PortfolioRows>(
        portfolios_table, shape.portfolios,
        [](const PortfolioRows& rows, RowWriter& writer, int i) {
            rows.WriteNew(writer, Pid{i + 1}, "Portfolio " + std::to_string(i + 1), "Generated");
        });
    if (!status.ok()) return status;
    status = AppendRows<HoldingRows>(holdings_table, holdings,
                                     [&](const HoldingRows& rows, RowWriter& writer, int i) {
                                         HoldingRecord holding;
                                         holding.PortfolioId = Pid{portfolio_of(i)};
                                         holding.Name = "Fund " + std::to_string(i + 1);
                                         holding.InceptionDate = inception;
                                         holding.InitialAmount = 10000 + 10 * i;
                                         rows.WriteNew(writer, Hid{i + 1}, holding);
                                     });
    if (!status.ok()) return status;
    static const char* const kTypes[] = {"CC", "DI", "WI"};
    status = AppendRows<TransactionRows>(
        transactions_table, holdings * shape.months,
        [&](const TransactionRows& rows, RowWriter& writer, int i) {
            const int holding = i / shape.months, month = i % shape.months;
            const Date month_end = MonthEndBefore(shape.last_month_end, shape.months - 1 - month);
            TransactionRecord transaction;
            transaction.HoldingId = Hid{holding + 1};
            transaction.PortfolioId = Pid{portfolio_of(holding)};
            transaction.Date = Date::Ymd(month_end.year(), month_end.month(), 15);
            transaction.Type = kTypes[month % 3];
            transaction.Amount = 100 + (month * 37 + holding) % 400;
            transaction.Description = "Monthly";
            rows.WriteNew(writer, Tid{i + 1}, transaction);
        });
    if (!status.ok()) return status;
    status = AppendRows<ValueRows>(
        values_table, holdings * shape.months,
        [&](const ValueRows& rows, RowWriter& writer, int i) {
            const int holding = i / shape.months, month = i % shape.months;
            ValueRecord value;
            value.HoldingId = Hid{holding + 1};
            value.PortfolioId = Pid{portfolio_of(holding)};
            value.Date = MonthEndBefore(shape.last_month_end, shape.months - 1 - month);
            value.Value =
                10000 + 10 * holding + 55.5 * (month + 1) + (month * 7919 + holding) % 300;
            rows.WriteNew(writer, Vid{i + 1}, value);
        });
    if (!status.ok()) return status;
    const std::pair<const char*, const char*> kSettings[] = {{NumDecKey, "2"}, {LogAuditKey, "0"}};
    return AppendRows<SettingRows>(settings_table, 2,
                                   [&](const SettingRows& rows, RowWriter& writer, int i) {
                                       writer.Text(rows.key, kSettings[i].first);
                                       rows.WriteValues(writer, {kSettings[i].second, "", "", ""});
                                       writer.DateOf(rows.date1, NoDate);
                                   });
}

BenchStore::BenchStore(BenchStoreShape shape) : shape_(shape) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brevanta-bench-store-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    directory_ = pattern;
    if (const Status status = WriteBenchTables(directory_, shape_); !status.ok()) {
        std::fprintf(stderr, "benchmark data: %s\n", status.message().c_str());
        std::abort();
    }
}

BenchStore::~BenchStore() { std::filesystem::remove_all(directory_); }

Date BenchStore::inception() const { return MonthEndBefore(shape_.last_month_end, shape_.months); }

const BenchStore& StandardBenchStore() {
    static const BenchStore store;
    return store;
}

}  // namespace brevanta::bench
