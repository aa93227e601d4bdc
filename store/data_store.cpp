#include "store/data_store.h"

namespace brevanta {

// Placeholder until the store lands: every operation answers "nothing".
struct DataStore::Lists {};

namespace {
Status NotBuilt() { return Status::IoError("the data store is not built yet"); }
}  // namespace

DataStore::DataStore(const std::string& data_directory) : lists_(std::make_unique<Lists>()) {
    paths_.portfolios = data_directory + "/port.dbf";
}
DataStore::~DataStore() = default;

Status DataStore::Load() { return NotBuilt(); }
Status DataStore::LoadPortfolios() { return NotBuilt(); }
std::vector<PortfolioRecord> DataStore::AllPortfolios() const { return {}; }
std::optional<PortfolioRecord> DataStore::FindPortfolio(float) const { return {}; }
std::string DataStore::PortfolioName(float) { return {}; }
StoreResult<int> DataStore::NextPortfolioId() { return NotBuilt(); }
StoreResult<int> DataStore::InsertPortfolio(const std::string&, const std::string&) {
    return NotBuilt();
}
StoreResult<int> DataStore::RenamePortfolio(float, const std::string&, const std::string&) {
    return NotBuilt();
}
StoreResult<int> DataStore::StorePortfolioFigures(float, const PerformanceFigures&) {
    return NotBuilt();
}
Status DataStore::DeletePortfolio(float) { return NotBuilt(); }
Status DataStore::LoadHoldings() { return NotBuilt(); }
std::vector<HoldingRecord> DataStore::HoldingsOfPortfolio(float) const { return {}; }
std::optional<HoldingRecord> DataStore::FindHolding(float) const { return {}; }
std::optional<HoldingRecord> DataStore::FindHoldingIn(float, float) const { return {}; }
StoreResult<int> DataStore::NextHoldingId() { return NotBuilt(); }
StoreResult<int> DataStore::InsertHolding(const HoldingRecord&) { return NotBuilt(); }
StoreResult<int> DataStore::UpdateHolding(float, const HoldingRecord&) { return NotBuilt(); }
StoreResult<int> DataStore::StoreHoldingFigures(float, const PerformanceFigures&) {
    return NotBuilt();
}
Status DataStore::DeleteHolding(float) { return NotBuilt(); }
StoreResult<HoldingRecord> DataStore::CopyHolding(float, float) { return NotBuilt(); }
StoreResult<HoldingRecord> DataStore::MoveHolding(float, float) { return NotBuilt(); }
Status DataStore::LoadTransactions() { return NotBuilt(); }
Status DataStore::LoadValues() { return NotBuilt(); }
std::vector<TransactionRecord> DataStore::TransactionsOfHolding(float, TransactionOrder) const {
    return {};
}
std::vector<ValueRecord> DataStore::ValuesOfHolding(float, ValueOrder) const { return {}; }
std::vector<TransactionRecord> DataStore::TransactionsOfPortfolio(float) const { return {}; }
std::optional<TransactionRecord> DataStore::FindTransaction(int32_t) const { return {}; }
std::optional<ValueRecord> DataStore::FindValue(int32_t) const { return {}; }
Status DataStore::InsertTransaction(const TransactionRecord&) { return NotBuilt(); }
StoreResult<int> DataStore::UpdateTransaction(int32_t, const TransactionRecord&) {
    return NotBuilt();
}
StoreResult<int> DataStore::DeleteTransactions(const std::vector<std::string>&) {
    return NotBuilt();
}
StoreResult<int> DataStore::NextValueId() { return NotBuilt(); }
Status DataStore::InsertValue(const ValueRecord&) { return NotBuilt(); }
StoreResult<int> DataStore::UpdateHistoricalValue(int32_t, const ValueRecord&) {
    return NotBuilt();
}
StoreResult<int> DataStore::DeleteHistoricalValues(const std::vector<std::string>&) {
    return NotBuilt();
}
double DataStore::TypeTotal(float, const std::string&) const { return 0; }
double DataStore::PortfolioTypeTotal(float, Date, Date, const std::string&) const { return 0; }
double DataStore::InvestmentValueAt(float, Date) const { return 0; }
double DataStore::PortfolioValueAt(float, Date) const { return 0; }
Status DataStore::LoadSettings() { return NotBuilt(); }
Status DataStore::LoadColumns() { return NotBuilt(); }
std::optional<SettingRecord> DataStore::FindSetting(const std::string&) const { return {}; }
StoreResult<int> DataStore::UpdateSetting(const SettingRecord&) { return NotBuilt(); }
std::vector<ColumnRecord> DataStore::VisibleColumns() const { return {}; }
std::vector<ColumnRecord> DataStore::HiddenColumns() const { return {}; }
std::optional<ColumnRecord> DataStore::FindColumn(const std::string&) const { return {}; }
StoreResult<int> DataStore::UpdateColumn(const std::string&, const ColumnRecord&) {
    return NotBuilt();
}
bool DataStore::AuditLoggingOn() const { return false; }
int DataStore::NumberOfDecimals() const { return 2; }

}  // namespace brevanta
