#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "reports/report_writer.h"
#include "store/data_directory.h"
#include "store/data_store.h"
#include "store/open_store.h"
#include "store/temp_dir.h"

namespace brevanta::testing {

// An installed data directory (tables and bar images) holding one portfolio with three
// investments: one calculated over years with every kind of transaction and a run of
// values, one partly calculated, one never calculated. Identifiers: portfolio 1,
// investments 1 ("Balanced Fund"), 2 ("R&D Growth"), 3 ("Zero Coupon").
class SampleReportsTest : public ::testing::Test {
  protected:
    static constexpr Pid kPortfolio{1};
    static constexpr Hid kBalanced{1};

    void SetUp() override {
        directory_ = dir_.File("data");
        const Status installed = InstallDataDirectory(directory_);
        ASSERT_TRUE(installed.ok()) << installed.message();
        store_ = testing::OpenStore(directory_);
        ASSERT_TRUE(store_);
        Fill();
        writer_ = std::make_unique<ReportWriter>(*store_, directory_);
        writer_->SetToday(Date::Ymd(2011, 1, 7));
    }

    // Runs the report and returns the saved page.
    std::string Run(int code) {
        const Status run = IsPortfolioReport(code)
                               ? writer_->RunPortfolioReport(kPortfolio, code)
                               : writer_->RunInvestmentReport(kPortfolio, kBalanced, code);
        EXPECT_TRUE(run.ok()) << run.message();
        return ReadBytes(writer_->SavedPath().string());
    }

    const std::string& directory() const { return directory_; }
    ReportWriter& writer() { return *writer_; }

  private:
    Hid AddHolding(const char* name, const char* description, Date inception, double amount) {
        HoldingRecord holding;
        holding.PortfolioId = kPortfolio;
        holding.Name = name;
        holding.Description = description;
        holding.InceptionDate = inception;
        holding.InitialAmount = amount;
        const StoreResult<Hid> id = store_->holdings().InsertHolding(holding);
        EXPECT_TRUE(id.ok());
        return id.value();
    }

    void AddTransaction(Hid holding, Date date, const char* type, double amount) {
        TransactionRecord record;
        record.PortfolioId = kPortfolio;
        record.HoldingId = holding;
        record.Date = date;
        record.Type = type;
        record.Amount = amount;
        ASSERT_TRUE(store_->transactions().InsertTransaction(record).ok());
    }

    void AddValue(Hid holding, Date date, double value) {
        ValueRecord record;
        record.PortfolioId = kPortfolio;
        record.HoldingId = holding;
        record.Date = date;
        record.Value = value;
        ASSERT_TRUE(store_->values().InsertValue(record).ok());
    }

    void Fill() {
        ASSERT_TRUE(store_->portfolios().InsertPortfolio("Retirement", "Long-term savings").ok());
        const Hid balanced =
            AddHolding("Balanced Fund", "60/40 stocks and bonds", Date::Ymd(2005, 3, 15), 10000);
        const Hid growth =
            AddHolding("R&D Growth", "Technology <small caps>", Date::Ymd(2009, 6, 1), 5000);
        AddHolding("Zero Coupon", "", Date::Ymd(2010, 10, 1), 2500);

        AddTransaction(balanced, Date::Ymd(2006, 1, 10), "CC", 2000);
        AddTransaction(balanced, Date::Ymd(2007, 6, 30), "DI", 150.25);
        AddTransaction(balanced, Date::Ymd(2010, 11, 15), "WI", 1500);
        AddTransaction(balanced, Date::Ymd(2010, 12, 31), "CC", 500);
        AddTransaction(growth, Date::Ymd(2010, 7, 1), "CC", 1000);
        AddValue(balanced, Date::Ymd(2005, 12, 31), 10500);
        AddValue(balanced, Date::Ymd(2006, 12, 31), 13000);
        AddValue(balanced, Date::Ymd(2007, 12, 31), 13800.5);
        AddValue(balanced, Date::Ymd(2008, 12, 31), 9800);
        AddValue(balanced, Date::Ymd(2009, 12, 31), 11950.75);
        AddValue(growth, Date::Ymd(2010, 6, 30), 5600);

        const Date date = Date::Ymd(2010, 12, 31);
        PerformanceFigures figures;
        figures.PerformanceDate = date;
        figures.Figures = {1.02f, 3.21f, 8.5f,  -2.15f, 4.02f, NotCalculated, 41.3f,
                           3.9f,  3.1f,  9.25f, -1.8f,  4.4f,  NotCalculated, 4.05f};
        ASSERT_TRUE(store_->holdings().StoreHoldingFigures(balanced, figures).ok());
        figures.Figures = {
            -0.4f, -1.25f, 12.75f, NotCalculated, NotCalculated, NotCalculated, 14.2f,
            9.8f,  -1.3f,  13.1f,  NotCalculated, NotCalculated, NotCalculated, 10.4f};
        ASSERT_TRUE(store_->holdings().StoreHoldingFigures(growth, figures).ok());
        figures.Figures = {0.8f, 2.4f,  9.1f, -1.95f, 4.1f, NotCalculated, 30.2f,
                           4.3f, 2.35f, 9.6f, -1.7f,  4.5f, NotCalculated, 4.75f};
        ASSERT_TRUE(store_->portfolios().StorePortfolioFigures(kPortfolio, figures).ok());
    }

    TempDir dir_;
    std::string directory_;
    std::unique_ptr<DataStore> store_;
    std::unique_ptr<ReportWriter> writer_;
};

}  // namespace brevanta::testing
