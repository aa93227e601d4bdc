#include <charconv>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

#include "app/cli/commands.h"
#include "core/date_format.h"
#include "core/number_parse.h"
#include "store/data_directory_opening.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"

namespace brevanta::cli {

namespace {

// Opens the current directory for `purpose` and runs `run` on its store; returns run's exit
// code, or kRefused (having said why) when the directory cannot be opened.
int WithOpenedDirectory(OpeningRequest::Purpose purpose,
                        const std::function<int(DataStore&)>& run) {
    OpeningRequest request;
    request.directory = std::filesystem::current_path().string();
    request.purpose = purpose;
    request.patience = std::chrono::seconds(10);
    OpenedDirectory opened;
    OpeningStage stage = OpeningStage::Tables;
    const Status status = OpenDataDirectory(request, &opened, &stage);
    if (status.ok()) return run(*opened.store);
    if (stage == OpeningStage::Claim) return Refuse(status.message());
    return Refuse("Cannot load the data directory: " + status.message());
}

}  // namespace

int WithReadOnlyStore(const std::function<int(DataStore&)>& run) {
    return WithOpenedDirectory(OpeningRequest::Purpose::Read, run);
}

int WithClaimedStore(const std::function<int(DataStore&)>& run) {
    return WithOpenedDirectory(OpeningRequest::Purpose::WriteFromCommandLine, run);
}

int ReportEngineResult(const Status& status, const std::string& message) {
    (status.ok() ? std::cout : std::cerr) << PlainLines(message) << "\n";
    return status.ok() ? kSucceeded : kRefused;
}

std::string PlainLines(std::string_view message) {
    std::string plain;
    for (size_t i = 0; i < message.size(); ++i) {
        const bool pair =
            i + 1 < message.size() && ((message[i] == '\r' && message[i + 1] == '\n') ||
                                       (message[i] == '\n' && message[i + 1] == '\r'));
        plain += pair ? '\n' : message[i];
        if (pair) ++i;
    }
    return plain;
}

int Refuse(std::string_view message) {
    std::cerr << PlainLines(message) << "\n";
    return kRefused;
}

int Refuse(const Refusal& refusal) { return Refuse(RefusalText(refusal)); }

int ExitCode(const Status& status) { return status.ok() ? kSucceeded : Refuse(status.message()); }

int UsageError(std::string_view message) {
    std::cerr << message << "\n";
    return kUsageError;
}

std::optional<Date> ParseDateArgument(const std::string& text) {
    std::optional<Date> date;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        date = Date::ParseYyyymmdd(text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2));
    } else {
        date = ParseShortDate(text, Locale::EnUs(), YearDigits::Four);
    }
    if (date && !IsEnterableDate(*date)) date.reset();
    return date;
}

std::optional<Date> DateOption(const std::string& text) {
    const std::optional<Date> date = ParseDateArgument(text);
    if (!date) Refuse(kInvalidDateMessage.english);
    return date;
}

std::optional<double> RiskFreeOption(const std::string& text) {
    std::optional<double> rate = ParseNumber(text);
    if (!rate || !IsRiskFreeRate(*rate)) {
        Refuse("Please enter a risk-free rate in percent above -100: " + text);
        rate.reset();
    }
    return rate;
}

const CLI::Validator& DecimalIdentifier() {
    static const CLI::Validator validator(
        [](std::string& text) -> std::string {
            int64_t number = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, number);
            if (text.empty() || error != std::errc() || stop != end) {
                return "not an identifier: " + text;
            }
            text = std::to_string(number);
            return "";
        },
        "");
    return validator;
}

}  // namespace brevanta::cli
