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

void Check(const Status& status) {
    if (status.ok()) return;
    std::fprintf(stderr, "benchmark data: %s\n", status.message().c_str());
    std::abort();
}

Date MonthEnd(Date last, int months_before) {
    const int index = last.year() * 12 + (last.month() - 1) - months_before;
    const int year = index / 12, month = index % 12 + 1;
    return Date::Ymd(year, month, DaysInMonth(year, month));
}

template <typename Rows, typename Write>
void AppendRows(const TableFile& file, int count, Write write) {
    RowAppender<Rows> appender(file, AppendStart::Here);
    Check(appender.Open());
    for (int i = 0; i < count; ++i) {
        Check(
            appender.Append([&](const Rows& rows, RowWriter& writer) { write(rows, writer, i); }));
    }
    Check(appender.Close());
}

}  // namespace

BenchStore::BenchStore(BenchStoreShape shape) : shape_(shape) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brevanta-bench-store-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    directory_ = pattern;
    const auto file = [&](const char* name) { return TableFile{directory_ + "/" + name, name}; };
    const TableFile portfolios_table = file(kPortfolioTableFile),
                    holdings_table = file(kHoldingTableFile),
                    transactions_table = file(kTransactionTableFile),
                    values_table = file(kValueTableFile), settings_table = file(kSettingsTableFile);
    Check(Table::Create(portfolios_table.path, PortfolioTableLayout()));
    Check(Table::Create(holdings_table.path, HoldingTableLayout()));
    Check(Table::Create(transactions_table.path, TransactionTableLayout()));
    Check(Table::Create(values_table.path, ValueTableLayout()));
    Check(Table::Create(settings_table.path, SettingsTableLayout()));

    AppendRows<PortfolioRows>(portfolios_table, shape_.portfolios,
                              [](const PortfolioRows& rows, RowWriter& writer, int i) {
                                  rows.WriteNew(writer, Pid{i + 1},
                                                "Portfolio " + std::to_string(i + 1), "Generated");
                              });
    const auto portfolio_of = [&](int holding_index) {
        return holding_index / shape_.holdings_per_portfolio + 1;
    };
    AppendRows<HoldingRows>(holdings_table, holdings(),
                            [&](const HoldingRows& rows, RowWriter& writer, int i) {
                                HoldingRecord holding;
                                holding.PortfolioId = Pid{portfolio_of(i)};
                                holding.Name = "Fund " + std::to_string(i + 1);
                                holding.InceptionDate = inception();
                                holding.InitialAmount = 10000 + 10 * i;
                                rows.WriteNew(writer, Hid{i + 1}, holding);
                            });
    static const char* const kTypes[] = {"CC", "DI", "WI"};
    AppendRows<TransactionRows>(
        transactions_table, holdings() * shape_.months,
        [&](const TransactionRows& rows, RowWriter& writer, int i) {
            const int holding = i / shape_.months, month = i % shape_.months;
            const Date month_end = MonthEnd(shape_.last_month_end, shape_.months - 1 - month);
            TransactionRecord transaction;
            transaction.HoldingId = Hid{holding + 1};
            transaction.PortfolioId = Pid{portfolio_of(holding)};
            transaction.Date = Date::Ymd(month_end.year(), month_end.month(), 15);
            transaction.Type = kTypes[month % 3];
            transaction.Amount = 100 + (month * 37 + holding) % 400;
            transaction.Description = "Monthly";
            rows.WriteNew(writer, Tid{i + 1}, transaction);
        });
    AppendRows<ValueRows>(values_table, holdings() * shape_.months,
                          [&](const ValueRows& rows, RowWriter& writer, int i) {
                              const int holding = i / shape_.months, month = i % shape_.months;
                              ValueRecord value;
                              value.HoldingId = Hid{holding + 1};
                              value.PortfolioId = Pid{portfolio_of(holding)};
                              value.Date =
                                  MonthEnd(shape_.last_month_end, shape_.months - 1 - month);
                              value.Value = 10000 + 10 * holding + 55.5 * (month + 1) +
                                            (month * 7919 + holding) % 300;
                              rows.WriteNew(writer, Vid{i + 1}, value);
                          });
    const std::pair<const char*, const char*> kSettings[] = {{NumDecKey, "2"}, {LogAuditKey, "0"}};
    AppendRows<SettingRows>(settings_table, 2,
                            [&](const SettingRows& rows, RowWriter& writer, int i) {
                                SettingRecord setting;
                                setting.Val1 = kSettings[i].second;
                                setting.Val2 = setting.Val3 = setting.Val4 = "";
                                writer.Text(rows.key, kSettings[i].first);
                                rows.WriteValues(writer, setting);
                                writer.DateOf(rows.date1, NoDate);
                            });
}

BenchStore::~BenchStore() { std::filesystem::remove_all(directory_); }

Date BenchStore::inception() const { return MonthEnd(shape_.last_month_end, shape_.months); }

const BenchStore& StandardBenchStore() {
    static const BenchStore store;
    return store;
}

}  // namespace brevanta::bench
