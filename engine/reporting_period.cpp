#include "engine/reporting_period.h"

namespace brevanta {

std::string_view PeriodLabel(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Month:
            return "Month";
        case ReportingPeriod::Quarter:
            return "QTR";
        case ReportingPeriod::OneYear:
            return "1 Year";
        case ReportingPeriod::ThreeYear:
            return "3 Year";
        case ReportingPeriod::FiveYear:
            return "5 Year";
        case ReportingPeriod::TenYear:
            return "10 Year";
        case ReportingPeriod::Inception:
            break;
    }
    return "Inception";
}

int PeriodMonths(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Month:
            return 1;
        case ReportingPeriod::Quarter:
            return 3;
        case ReportingPeriod::OneYear:
            return 12;
        case ReportingPeriod::ThreeYear:
            return 36;
        case ReportingPeriod::FiveYear:
            return 60;
        case ReportingPeriod::TenYear:
            return 120;
        case ReportingPeriod::Inception:
            break;
    }
    return 0;
}

}  // namespace brevanta
