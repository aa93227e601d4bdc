#include <gtest/gtest.h>

#include <algorithm>

#include "engine/calculation_run.h"
#include "engine/market_valuation.h"
#include "engine/period_dates.h"
#include "store/data_store_fixture.h"

namespace brevanta {
namespace {

using testing::D;
using testing::ReadBytes;

constexpr float NC = NotCalculated;

// The fourteen stored figures in stored order: MONTH QTR YTD THYR FIYR TEYR INC INCANN
// QTRD YTDD THYRD FIYRD TEYRD INCANND.
using Figures = FigureValues;

class CalculationTest : public testing::DataStoreTest {
  protected:
    void TurnLoggingOn() {
        AppendRawRow(kSettingsTableFile,
                     {{"KEY", LogAuditKey}, {"VAL1", "1"}, {"DATE1", "19000101"}});
        Reopen();
    }
    void TurnLoggingOff() {
        AppendRawRow(kSettingsTableFile,
                     {{"KEY", LogAuditKey}, {"VAL1", "0"}, {"DATE1", "19000101"}});
        Reopen();
    }

    CalculationRun MakeRun() { return CalculationRun(store(), clock_, dir_.path()); }

    Figures HoldingFiguresOf(Hid id) { return store().holdings().FindHolding(id)->Figures; }
    Figures PortfolioFiguresOf(Pid id) { return store().portfolios().FindPortfolio(id)->Figures; }
    std::string Log() { return ReadBytes(File("calclog.txt")); }

    FixedClock clock_{D(2002, 1, 7), TimeOfDay{9, 5, 0}};
};

// ---------------------------------------------------------------------------------------
// Fourteen months of month-end values, worked by hand.
//
// Inception 31 Oct 2000 with 1000; PD 31 Dec 2001, so every boundary is a month end and
// q = 14 (30 Sep 2000 would be before the inception). Flows: CC 100 on 31 Mar 2001 (on a
// boundary: in March's SOC), WI 50 on 30 Sep 2001, DI 20 on 15 Dec 2001 (after the last
// value of 30 Nov: it rolls the 31 Dec value forward to 1260 but is no external flow).
//
//   month   BMV    EMV   SOC  ratio
//   Nov 00  1000   1010    0  1010/1000
//   Dec 00  1010   1030    0  1030/1010
//   Jan 01  1030   1020    0  1020/1030
//   Feb 01  1020   1050    0  1050/1020
//   Mar 01  1050   1160  100  (1160 - 50) / (1050 + 50) = 1110/1100
//   Apr-Aug 1160 ... 1230  0  telescopes to 1230/1160
//   Sep 01  1230   1185  -50  (1185 + 25) / (1230 - 25) = 1210/1205
//   Oct-Dec 1185 ... 1260  0  telescopes to 1260/1185
//
// Month  = (1260/1240 - 1) x 100 = 1.6129032
// QTR    = (1260/1185 - 1) x 100 = 6.3291139; QTRD the same (no flow in the quarter)
// 1 Year = (1050/1030 x 1110/1100 x 1230/1160 x 1210/1205 x 1260/1185 - 1) x 100
//        = (1.16460864 - 1) x 100 = 16.460865
// INC    = (1050/1000 x 1110/1100 x 1230/1160 x 1210/1205 x 1260/1185 - 1) x 100 = 19.954690
// INCANN = (1.19954690^(12/14) - 1) x 100 = 16.877000 (31 Oct 2001 is before PD)
// YTDD:    1030 + 50 / g^0.5 = 1260 / g      gives g = 1.1707756  -> 17.07756
// INCANND: buckets 50 at 0.5 and 0 at 1 + 2 x 0.5 / 12; 1000 + 50 / g^0.5 = 1260 / g^(14/12)
//          gives g = 1.1728168 -> 17.28168 (the search stops on the 1e-7 grid)
// ---------------------------------------------------------------------------------------
TEST_F(CalculationTest, FourteenMonthsOfMonthEndValuesMatchTheHandWorking) {
    const Pid portfolio = AddPortfolio("Growth");
    const Hid fund = AddHolding(portfolio, "Fund A", D(2000, 10, 31), 1000);
    const std::pair<Date, double> values[] = {
        {D(2000, 11, 30), 1010}, {D(2000, 12, 31), 1030}, {D(2001, 1, 31), 1020},
        {D(2001, 2, 28), 1050},  {D(2001, 3, 31), 1160},  {D(2001, 4, 30), 1170},
        {D(2001, 5, 31), 1150},  {D(2001, 6, 30), 1190},  {D(2001, 7, 31), 1200},
        {D(2001, 8, 31), 1230},  {D(2001, 9, 30), 1185},  {D(2001, 10, 31), 1210},
        {D(2001, 11, 30), 1240}};
    for (const auto& [date, value] : values) AddValue(fund, date, value);
    AddTransaction(fund, D(2001, 3, 31), "CC", 100);
    AddTransaction(fund, D(2001, 9, 30), "WI", 50);
    AddTransaction(fund, D(2001, 12, 15), "DI", 20);

    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, D(2001, 12, 31));
    ASSERT_TRUE(calculation.calculated());

    const Figures expected = {1.61290324f, 6.32911396f, 16.460865f,  NC, NC, NC, 19.9546909f,
                              16.8770008f, 6.32911396f, 17.0775604f, NC, NC, NC, 17.2816792f};
    EXPECT_EQ(HoldingFiguresOf(fund), expected);
    EXPECT_EQ(store().holdings().FindHolding(fund)->PerformanceDate, D(2001, 12, 31));

    const auto& inception = calculation.audit_list(ReportingPeriod::Inception);
    ASSERT_EQ(inception.size(), 14u);
    EXPECT_EQ(inception[4].start, D(2001, 2, 28));
    EXPECT_EQ(inception[4].end, D(2001, 3, 31));
    EXPECT_EQ(inception[4].soc, 100.0f);
    EXPECT_EQ(inception[4].ror, static_cast<float>(1110.0 / 1100.0));
    EXPECT_EQ(inception[13].emv, 1260.0f);
    EXPECT_EQ(inception[13].soc, 0.0f);
    ASSERT_EQ(calculation.audit_list(ReportingPeriod::Month).size(), 1u);
    EXPECT_EQ(calculation.audit_list(ReportingPeriod::Month)[0].ror, 1.61290324f);
    EXPECT_EQ(calculation.audit_list(ReportingPeriod::OneYear).size(), 12u);
    EXPECT_TRUE(calculation.audit_list(ReportingPeriod::ThreeYear).empty());
    ASSERT_TRUE(calculation.yearly_flows.has_value());
    EXPECT_EQ(calculation.yearly_flows->socs[0], 50);
    EXPECT_EQ(calculation.yearly_flows->pwrs[1], 1 + 2 * 0.5 / 12);
}

// ---------------------------------------------------------------------------------------
// Eleven years of monthly history: every period is calculated.
//
// Inception 31 Jul 1990 with 10000.00; PD 31 Jul 2001 (q = 132). For month i = 1 ... 132,
// ending on boundary b = SubtractMonths(PD, 132 - i): a DI of 35 on the 15th when i % 5 == 0,
// a CC of 250 on b when i % 3 == 0, a WI of 400 on b when i % 17 == 0. The value in cents
// grows by (i x 37 mod 11) - 3 per mille (integer division of each part) plus the month's
// flows; it is recorded on b except when i % 12 == 7, so that month's value is rolled
// forward from the previous one.
//
// Expected figures from an independent reference of the rules (walking the lists, double
// arithmetic, single-precision results): INC 37.8312378 over 132 linked months, annualised
// with 12/132: 2.95986605; 10 Year with exponent 0.1: 2.95667148.
// ---------------------------------------------------------------------------------------
TEST_F(CalculationTest, ElevenYearsOfMonthlyHistoryGiveEveryFigure) {
    const Date pd = D(2001, 7, 31);
    const Pid portfolio = AddPortfolio("Long");
    const Hid fund = AddHolding(portfolio, "Balanced", SubtractMonths(pd, 132), 10000);
    long long cents = 1000000;
    for (int i = 1; i <= 132; ++i) {
        const Date boundary = SubtractMonths(pd, 132 - i);
        long long flow = 0;
        if (i % 5 == 0) {
            AddTransaction(fund, D(boundary.year(), boundary.month(), 15), "DI", 35);
            flow += 3500;
        }
        if (i % 3 == 0) {
            AddTransaction(fund, boundary, "CC", 250);
            flow += 25000;
        }
        if (i % 17 == 0) {
            AddTransaction(fund, boundary, "WI", 400);
            flow -= 40000;
        }
        cents = cents + cents * ((i * 37) % 11) / 1000 - cents * 3 / 1000 + flow;
        if (i % 12 != 7) AddValue(fund, boundary, static_cast<double>(cents) / 100.0);
    }

    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, pd);
    ASSERT_TRUE(calculation.calculated());

    const Figures expected = {-0.298360616f, 0.252210647f, 2.2167325f,  2.63954163f, 2.87136626f,
                              2.95667148f,   37.8312378f,  2.95986605f, 0.24924548f, 2.21300006f,
                              2.63945007f,   2.85053992f,  2.92020011f, 2.92281008f};
    EXPECT_EQ(HoldingFiguresOf(fund), expected);
    EXPECT_EQ(calculation.audit_list(ReportingPeriod::TenYear).size(), 120u);
    EXPECT_EQ(calculation.audit_list(ReportingPeriod::Inception).size(), 132u);
}

// ---------------------------------------------------------------------------------------
// An investment older than 50 years is measured over the last 600 months.
//
// Inception 15 Mar 1948 with 1000; PD 31 Dec 2001. Values on 31 Dec of every year Y from
// 1948 to 2001: V(Y) = 1000 + 90 (Y - 1948) + 15 (Y mod 3) + 100 max(0, Y - 1949), and
// 10850 on 30 Sep 2001; a CC of 100 on 30 Jun of every year from 1950.
// q = 600, window 31 Dec 1951 ... 31 Dec 2001. Within a year every month links to 1 except
// June (BMV V, EMV V + 100, SOC 100: (V + 50) / (V + 50)) and the months ending on a value,
// so P = product over Y = 1952 ... 2001 of V(Y) / (V(Y-1) + 100) = 2.54203414:
// INC = 154.203415, INCANN = (P^(1 / (600 x (1/12))) - 1) x 100 = 1.88344646.
// Yearly flows: 50 buckets of 100 at k + 0.5; bmv V(1951) = 1485, emv V(2001) = 10970.
// ---------------------------------------------------------------------------------------
TEST_F(CalculationTest, InvestmentOlderThanFiftyYearsUsesTheLastSixHundredMonths) {
    const Pid portfolio = AddPortfolio("Heirloom");
    const Hid fund = AddHolding(portfolio, "Trust", D(1948, 3, 15), 1000);
    for (int year = 1948; year <= 2001; ++year) {
        AddValue(fund, D(year, 12, 31),
                 1000 + 90 * (year - 1948) + 15 * (year % 3) + 100 * std::max(0, year - 1949));
    }
    AddValue(fund, D(2001, 9, 30), 10850);
    for (int year = 1950; year <= 2001; ++year) AddTransaction(fund, D(year, 6, 30), "CC", 100);

    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, D(2001, 12, 31));
    ASSERT_TRUE(calculation.calculated());

    const Figures expected = {1.10599077f,  1.10599077f,  0.549954176f, 0.843302429f, 0.829184711f,
                              0.86878252f,  154.203415f,  1.88344646f,  1.10599077f,  0.552489996f,
                              0.845960021f, 0.832080007f, 0.87191999f,  1.61433995f};
    EXPECT_EQ(HoldingFiguresOf(fund), expected);
    const auto& inception = calculation.audit_list(ReportingPeriod::Inception);
    ASSERT_EQ(inception.size(), 600u);
    EXPECT_EQ(inception.front().start, D(1951, 12, 31));
    ASSERT_TRUE(calculation.yearly_flows.has_value());
    const YearlyFlows& flows = *calculation.yearly_flows;
    EXPECT_EQ(flows.nummonths, 600);
    EXPECT_EQ(flows.bmv, 1485);
    EXPECT_EQ(flows.emv, 10970);
    for (int k = 0; k < YearlyFlows::kBuckets; ++k) {
        EXPECT_EQ(flows.socs[k], 100) << k;
        EXPECT_EQ(flows.pwrs[k], k + 0.5) << k;
    }
}

// ---------------------------------------------------------------------------------------
// A portfolio whose second investment was emptied (latest value 0) and then received a
// contribution, calculated in the order of the calculate dialog.
//
// PD 31 Jul 2001; both investments start 31 Jan 2001 (q = 6).
// A: 1000; values 1020 (Feb), 1040, 1030, 1060, 1080, 1100 (Jul), month ends.
// B: 500; value 510 on 28 Feb; WI 510 and value 0 on 31 Mar; CC 200 on 15 May.
// In the portfolio B is worth 0 from March on (its latest value is 0, so its CC is not
// counted), but the CC is still an external flow of the portfolio:
//   Feb  1500 -> 1530            1530/1500
//   Mar  1530 -> 1040, SOC -510  (1040 + 255) / (1530 - 255) = 1295/1275
//   Apr  1040 -> 1030            1030/1040
//   May  1030 -> 1060, SOC 200   (1060 - 100) / (1030 + 100) = 960/1130
//   Jun  1060 -> 1080; Jul 1080 -> 1100
// INC = (1.02 x 1295/1275 x 1030/1040 x 960/1130 x 1100/1060 - 1) x 100 = -9.5427771,
// not annualised; QTR = (960/1130 x 1100/1060 - 1) x 100 = -11.838370;
// QTRD = ((1100 - 100) / (1030 + 100) - 1) x 100 = -11.504425; Month = 1100/1080: 1.8518518.
// INCANND: one bucket of -310 at 0.5, EMV at 1 year: 1500 - 310 / g^0.5 = 1100 / g.
// B alone (investment mode) is worth 200 from May: its months link to
// 1.02 x 1 x 1 x 1 x 1 x 1, INC = 2.
// ---------------------------------------------------------------------------------------
TEST_F(CalculationTest, PortfolioCountsNothingForAnInvestmentWhoseLatestValueIsZero) {
    const Date pd = D(2001, 7, 31);
    const Pid portfolio = AddPortfolio("Family");
    const Hid a = AddHolding(portfolio, "A", D(2001, 1, 31), 1000);
    const Hid b = AddHolding(portfolio, "B", D(2001, 1, 31), 500);
    const std::pair<Date, double> values_of_a[] = {{D(2001, 2, 28), 1020}, {D(2001, 3, 31), 1040},
                                                   {D(2001, 4, 30), 1030}, {D(2001, 5, 31), 1060},
                                                   {D(2001, 6, 30), 1080}, {D(2001, 7, 31), 1100}};
    for (const auto& [date, value] : values_of_a) AddValue(a, date, value);
    AddValue(b, D(2001, 2, 28), 510);
    AddValue(b, D(2001, 3, 31), 0);
    AddTransaction(b, D(2001, 3, 31), "WI", 510);
    AddTransaction(b, D(2001, 5, 15), "CC", 200);

    CalculationRun run = MakeRun();
    Calculation portfolio_calculation;
    for (Hid holding : {a, b}) {
        ASSERT_TRUE(run.CalculateInvestment(holding, pd).calculated());
        portfolio_calculation = run.CalculatePortfolio(portfolio, pd);
        ASSERT_TRUE(portfolio_calculation.calculated());
    }

    const Figures portfolio_expected = {1.85185182f,  -11.8383703f, NC, NC, NC, NC, -9.54277706f,
                                        -9.54277706f, -11.504425f,  NC, NC, NC, NC, -6.70485497f};
    EXPECT_EQ(PortfolioFiguresOf(portfolio), portfolio_expected);
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->PerformanceDate, pd);
    const Figures b_expected = {0, 0, NC, NC, NC, NC, 2, 2, 0, NC, NC, NC, NC, 2.88930988f};
    EXPECT_EQ(HoldingFiguresOf(b), b_expected);
    const Figures a_expected = {1.85185182f, 6.79611635f, NC, NC, NC, NC, 10,
                                10,          6.79611635f, NC, NC, NC, NC, 10};
    EXPECT_EQ(HoldingFiguresOf(a), a_expected);

    const auto& may = portfolio_calculation.audit_list(ReportingPeriod::Inception)[3];
    EXPECT_EQ(may.emv, 1060.0f);
    EXPECT_EQ(may.soc, 200.0f);
    // Alone, the emptied investment is worth its later contribution.
    EXPECT_EQ(InvestmentMarketValue(store(), b, D(2001, 5, 31)), 200);
}

TEST_F(CalculationTest, TwoMonthOldInvestmentStoresOnlyInceptionAndMonth) {
    const Pid portfolio = AddPortfolio("Young");
    const Hid fund = AddHolding(portfolio, "New", D(2001, 4, 30), 1000);
    AddValue(fund, D(2001, 5, 30), 1010);  // the boundaries of 30 June are 30 April and 30 May
    AddValue(fund, D(2001, 6, 30), 1030);

    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, D(2001, 6, 30));
    ASSERT_TRUE(calculation.calculated());

    // INC = INCANN = (1030/1000 - 1) x 100 = 3; Month = (1030/1010 - 1) x 100; INCANND:
    // no flows, EMV discounted over a whole year: 1000 = 1030 / g, so 3 on the search grid.
    const Figures expected = {static_cast<float>((1030.0 / 1010.0 - 1) * 100),
                              NC,
                              NC,
                              NC,
                              NC,
                              NC,
                              3.0f,
                              3.0f,
                              NC,
                              NC,
                              NC,
                              NC,
                              NC,
                              3.0f};
    EXPECT_EQ(HoldingFiguresOf(fund), expected);
    EXPECT_EQ(store().holdings().FindHolding(fund)->PerformanceDate, D(2001, 6, 30));
}

TEST_F(CalculationTest, QuarterNeedsAnInceptionOnOrBeforeItsStart) {
    const Pid portfolio = AddPortfolio("Edge");
    // SubtractMonths(30 June 2001, 3) is 30 March.
    const Hid on_start = AddHolding(portfolio, "On", D(2001, 3, 30), 1000);
    const Hid day_later = AddHolding(portfolio, "Later", D(2001, 3, 31), 1000);
    CalculationRun run = MakeRun();
    run.CalculateInvestment(on_start, D(2001, 6, 30));
    run.CalculateInvestment(day_later, D(2001, 6, 30));
    EXPECT_EQ(HoldingFiguresOf(on_start)[Figure::Qtr], 0.0f);
    EXPECT_EQ(HoldingFiguresOf(on_start)[Figure::QtrD], 0.0f);
    EXPECT_EQ(HoldingFiguresOf(day_later)[Figure::Qtr], NC);
    EXPECT_EQ(HoldingFiguresOf(day_later)[Figure::Month], 0.0f);
}

TEST_F(CalculationTest, ThreeWeekOldInvestmentGetsOnlyThePerformanceDate) {
    const Pid portfolio = AddPortfolio("Young");
    const Hid fund = AddHolding(portfolio, "New", D(2001, 6, 9), 1000);
    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, D(2001, 6, 30));
    ASSERT_TRUE(calculation.calculated());
    EXPECT_EQ(HoldingFiguresOf(fund), FigureValues());
    EXPECT_EQ(store().holdings().FindHolding(fund)->PerformanceDate, D(2001, 6, 30));
}

TEST_F(CalculationTest, PortfolioWithoutInvestmentsIsLeftUntouched) {
    const Pid portfolio = AddPortfolio("Empty");
    CalculationRun run = MakeRun();
    EXPECT_EQ(run.CalculatePortfolio(portfolio, D(2001, 6, 30)).status,
              CalculationStatus::NoTransactions);
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->PerformanceDate, NoDate);
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->Figures, FigureValues());
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->InceptionDollar, NC);
}

TEST_F(CalculationTest, PortfolioStartingWithAWithdrawalIsLeftUntouched) {
    const Pid portfolio = AddPortfolio("Odd");
    const Hid fund = AddHolding(portfolio, "Fund", D(2001, 1, 31), 1000);
    AddTransaction(fund, D(2000, 12, 15), "WI", 10);
    CalculationRun run = MakeRun();
    EXPECT_EQ(run.CalculatePortfolio(portfolio, D(2001, 6, 30)).status,
              CalculationStatus::FirstNotContribution);
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->PerformanceDate, NoDate);
}

TEST_F(CalculationTest, PortfolioKeepsItsInceptionFigureAndNeverWritesIncd) {
    const Pid portfolio = AddPortfolio("Growth");
    const Hid fund = AddHolding(portfolio, "Fund", D(2000, 6, 30), 1000);
    AddValue(fund, D(2001, 6, 30), 1100);
    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculatePortfolio(portfolio, D(2001, 6, 30));
    ASSERT_TRUE(calculation.calculated());
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->Figures[Figure::Inc], 10.0f);
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->InceptionDollar, NC);
    EXPECT_EQ(Column(kPortfolioTableFile, "INCD"), testing::Texts{"999999"});
}

// An unchanged value without flows: the trailing years take the zero shortcut, but the
// inception rate is always searched and comes out where the search stops, a hair off zero.
TEST_F(CalculationTest, OnlyTheTrailingYearsTakeTheZeroShortcut) {
    const Pid portfolio = AddPortfolio("Steady");
    const Hid fund = AddHolding(portfolio, "Fund", D(2000, 6, 30), 1000);
    CalculationRun run = MakeRun();
    const Calculation calculation = run.CalculateInvestment(fund, D(2001, 6, 30));
    ASSERT_TRUE(calculation.calculated());
    const Figures figures = HoldingFiguresOf(fund);
    EXPECT_EQ(figures[Figure::YtdD], 0.0f);
    EXPECT_EQ(figures[Figure::IncAnnD], -2.87928125e-16f);
}

// Outside a calculation run nothing is reused: a second calculation of the same portfolio as
// of the same date sees the value added since.
TEST_F(CalculationTest, RecalculatedPortfolioSeesTheChangesSinceItsLastCalculation) {
    const Pid portfolio = AddPortfolio("Growth");
    const Hid fund = AddHolding(portfolio, "Fund", D(2000, 6, 30), 1000);
    CalculationRun run = MakeRun();
    ASSERT_TRUE(run.CalculatePortfolio(portfolio, D(2001, 6, 30)).calculated());
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->Figures[Figure::Inc], 0.0f);
    AddValue(fund, D(2001, 6, 30), 1100);
    ASSERT_TRUE(run.CalculatePortfolio(portfolio, D(2001, 6, 30)).calculated());
    EXPECT_EQ(store().portfolios().FindPortfolio(portfolio)->Figures[Figure::Inc], 10.0f);
}

TEST_F(CalculationTest, EachCalculationHasItsOwnAuditLists) {
    const Pid portfolio = AddPortfolio("Two");
    const Hid older = AddHolding(portfolio, "Older", D(1999, 6, 30), 1000);
    const Hid younger = AddHolding(portfolio, "Younger", D(2001, 2, 28), 1000);
    CalculationRun run = MakeRun();
    EXPECT_EQ(run.CalculateInvestment(older, D(2001, 6, 30))
                  .audit_list(ReportingPeriod::Inception)
                  .size(),
              24u);
    const Calculation second = run.CalculateInvestment(younger, D(2001, 6, 30));
    EXPECT_EQ(second.audit_list(ReportingPeriod::Inception).size(), 4u);
    EXPECT_EQ(second.audit_list(ReportingPeriod::Quarter).size(), 3u);
    EXPECT_TRUE(second.audit_list(ReportingPeriod::OneYear).empty());
}

TEST_F(CalculationTest, InvestmentMarketValueRollsTheLatestValueForward) {
    const Pid portfolio = AddPortfolio("Values");
    const Hid fund = AddHolding(portfolio, "Fund", D(2001, 1, 31), 800);
    AddValue(fund, D(2001, 3, 31), 1000);
    AddTransaction(fund, D(2001, 4, 15), "CC", 200);
    AddTransaction(fund, D(2001, 4, 20), "DI", 50);
    AddTransaction(fund, D(2001, 4, 25), "WI", 100);
    EXPECT_EQ(InvestmentMarketValue(store(), fund, D(2001, 4, 30)), 1150);
    EXPECT_EQ(InvestmentMarketValue(store(), fund, D(2001, 3, 31)), 1000);
    EXPECT_EQ(InvestmentMarketValue(store(), fund, D(2001, 2, 1)), 800);
    EXPECT_EQ(InvestmentMarketValue(store(), fund, D(2001, 1, 30)), 0);
    EXPECT_EQ(InvestmentMarketValue(store(), Hid{99}, D(2001, 4, 30)), 0);
}

// ---------------------------------------------------------------------------------------
// The audit log as a run writes it.
// ---------------------------------------------------------------------------------------
TEST_F(CalculationTest, FirstCalculationCreatesTheLogAndTheNextAppends) {
    TurnLoggingOn();
    const Pid portfolio = AddPortfolio("Growth");
    const Hid fund = AddHolding(portfolio, "Fund A", D(2001, 1, 31), 1000);
    CalculationRun run = MakeRun();
    ASSERT_TRUE(run.logging());
    run.CalculateInvestment(fund, D(2001, 6, 30));
    const std::string first = Log();
    EXPECT_EQ(first.find("\r\n" + std::string(80, '-') + "\r\n\r\n  Brevanta - Performance"), 0u);
    EXPECT_NE(first.find("*** Starting calculation on 1/07/2002 at 9:5:0 am....\r\n\r\n"
                         "   Portfolio: Growth\r\n   Investment: Fund A\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(first.find("      Numbers used to calculate Quarter Performance\r\n"),
              std::string::npos);

    run.CalculatePortfolio(portfolio, D(2001, 6, 30));
    const std::string both = Log();
    ASSERT_EQ(both.compare(0, first.size(), first), 0);
    const std::string second = both.substr(first.size());
    EXPECT_EQ(second.find("*** Starting calculation on"), 0u);
    EXPECT_NE(second.find("   Investment: n/a (Calculating for the entire portfolio)\r\n"),
              std::string::npos);
    EXPECT_EQ(second.find("Brevanta - Performance Calculation Audit Log"), std::string::npos);
}

TEST_F(CalculationTest, TwoMonthOldInvestmentLogsOnlyTheFromInceptionSection) {
    TurnLoggingOn();
    const Pid portfolio = AddPortfolio("Young");
    const Hid fund = AddHolding(portfolio, "New", D(2001, 4, 30), 1000);
    AddValue(fund, D(2001, 5, 30), 1010);
    CalculationRun run = MakeRun();
    run.CalculateInvestment(fund, D(2001, 6, 30));
    const std::string log = Log();
    EXPECT_EQ(log.find("Quarter Performance"), std::string::npos);
    const std::string rule = "   " + std::string(60, '-') + "\r\n";
    EXPECT_NE(log.find("      Numbers used to calculate From Inception Performance\r\n" + rule +
                       "\r\n   Time1, Time2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC\r\n" + rule +
                       "   04/30/2001, 05/30/2001, 1000, 1010, 0, 1.01\r\n"
                       "   05/30/2001, 06/30/2001, 1010, 1010, 0, 1\r\n"
                       "\r\n   From Inception ROR = 1.0000%\r\n\r\n"
                       "\r\nbmv, emv, nummonths\r\n1000, 1010, 2\r\nsocs[50]\r\n0, 0"),
              std::string::npos);
}

TEST_F(CalculationTest, LoggingOffTouchesNoFile) {
    TurnLoggingOff();
    const Pid portfolio = AddPortfolio("Quiet");
    const Hid fund = AddHolding(portfolio, "Fund", D(2001, 1, 31), 1000);
    CalculationRun run = MakeRun();
    EXPECT_FALSE(run.logging());
    run.CalculateInvestment(fund, D(2001, 6, 30));
    run.CalculatePortfolio(portfolio, D(2001, 6, 30));
    EXPECT_FALSE(std::filesystem::exists(File("calclog.txt")));
}

TEST_F(CalculationTest, LoggingFlagIsReadOnceAtCreation) {
    TurnLoggingOff();
    const Pid portfolio = AddPortfolio("Quiet");
    const Hid fund = AddHolding(portfolio, "Fund", D(2001, 1, 31), 1000);
    CalculationRun run = MakeRun();
    ASSERT_TRUE(store().settings().UpdateSetting(LogAuditKey, {.Val1 = "1"}).ok());
    run.CalculateInvestment(fund, D(2001, 6, 30));
    EXPECT_FALSE(std::filesystem::exists(File("calclog.txt")));
    EXPECT_TRUE(MakeRun().logging());
}

}  // namespace
}  // namespace brevanta
