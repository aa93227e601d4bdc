#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "reports/risk_rows.h"

class QLabel;

namespace brevanta {

// The risk figures of a subject, and of its benchmark over the same months, one line per
// figure; each caption's tooltip gives the figure's definition.
class RiskPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit RiskPanel(QWidget* parent = nullptr);

    // columns as RiskColumns gives them: the subject's, then the benchmark's when there is a
    // benchmark title. source is the line under the figures.
    void showFigures(const QString& title, const std::optional<QString>& benchmarkTitle,
                     const std::vector<std::vector<std::string>>& columns, const QString& source);

  private:
    static constexpr size_t kFigureCount = kRiskFigureCaptions.size();

    QLabel* titleLabel_;
    QLabel* benchmarkTitleLabel_;
    std::array<QLabel*, kFigureCount> figureLabels_;
    std::array<QLabel*, kFigureCount> benchmarkLabels_;
    QLabel* sourceLabel_;
};

}  // namespace brevanta
