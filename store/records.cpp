#include "store/records.h"

namespace brevanta {

PerformanceFigures FiguresOf(const HoldingRecord& holding) {
    return {holding.PerformanceDate, holding.Figures};
}

std::string_view TransactionTypeText(std::string_view code) {
    if (code == CashContributionCode) return CashContributionText;
    if (code == DividendReinvestedCode) return DividendReinvestedText;
    if (code == WithdrawalCode) return WithdrawalText;
    return {};
}

TransactionRecord OpeningContribution(const HoldingRecord& holding) {
    TransactionRecord opening;
    opening.HoldingId = holding.Id;
    opening.PortfolioId = holding.PortfolioId;
    opening.Date = holding.InceptionDate;
    opening.Type = CashContributionCode;
    opening.Amount = holding.InitialAmount;
    return opening;
}

ValueRecord OpeningValue(const HoldingRecord& holding) {
    ValueRecord opening;
    opening.HoldingId = holding.Id;
    opening.PortfolioId = holding.PortfolioId;
    opening.Date = holding.InceptionDate;
    opening.Value = holding.InitialAmount;
    return opening;
}

}  // namespace brevanta
