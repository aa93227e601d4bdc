#pragma once

#include <array>
#include <string_view>

namespace brevanta {

// The reporting periods, in the order of the audit lists.
enum class ReportingPeriod { Month, Quarter, OneYear, ThreeYear, FiveYear, TenYear, Inception };

inline constexpr int kReportingPeriodCount = 7;

inline constexpr std::array<ReportingPeriod, kReportingPeriodCount> kReportingPeriods = {
    ReportingPeriod::Month,     ReportingPeriod::Quarter,  ReportingPeriod::OneYear,
    ReportingPeriod::ThreeYear, ReportingPeriod::FiveYear, ReportingPeriod::TenYear,
    ReportingPeriod::Inception};

// "Month", "QTR", "1 Year", "3 Year", "5 Year", "10 Year", "Inception".
std::string_view PeriodLabel(ReportingPeriod period);

// Monthly compounding periods of a fixed period; the inception window's count varies.
// REQUIRES: period is not Inception.
int PeriodMonths(ReportingPeriod period);

}  // namespace brevanta
