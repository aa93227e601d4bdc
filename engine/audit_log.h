#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/clock.h"
#include "core/locale.h"
#include "core/status.h"
#include "engine/calculation.h"
#include "engine/dollar_weighted.h"

namespace brevanta {

// The plain-text calculation audit log, calclog.txt: a legend when the file is created, then
// one block per calculation with every monthly period behind the quarter, 1, 3, 5, 10 year
// and from-inception figures, and the inception dollar-weighted working numbers. Lines end
// with CR LF; the text is Windows-1252 ("?" for a character the code page lacks, such as a
// separator of an exotic locale). The file only grows; the program never reads it.
class AuditLog {
  public:
    static constexpr const char* kFileName = "calclog.txt";

    // clock must outlive the log. Dates and numbers follow locale's separators.
    AuditLog(std::filesystem::path file, const Clock& clock, Locale locale);

    // What a block names: the portfolio, and the investment unless the whole portfolio
    // was calculated.
    struct Subject {
        std::string portfolio_name;
        std::optional<std::string> investment_name;
    };

    // Appends one calculation's block with the yearly flows given: the calculation's own, or
    // for one that computed none (younger than a month) those of the calculation before it.
    // Opens the file and closes it again. Writes nothing when the file can be neither opened
    // nor created, or is a symbolic link (which is never followed, nor created through). A
    // named pipe nobody reads is refused.
    Status Append(const Subject& subject, const Calculation& calculation,
                  const YearlyFlows& flows) const;

  private:
    std::string Block(const Subject& subject, const Calculation& calculation,
                      const YearlyFlows& flows) const;
    std::string Timestamp() const;

    std::filesystem::path file_;
    const Clock& clock_;
    Locale locale_;
};

}  // namespace brevanta
