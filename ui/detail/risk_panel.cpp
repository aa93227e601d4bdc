#include "ui/detail/risk_panel.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

namespace brevanta {

namespace {

QLabel* FigureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

RiskPanel::RiskPanel(QWidget* parent)
    : QGroupBox(tr("Risk"), parent),
      titleLabel_(FigureLabel("riskTitle", this)),
      benchmarkTitleLabel_(FigureLabel("benchmarkRiskTitle", this)),
      sourceLabel_(new QLabel(this)) {
    setObjectName("riskPanel");
    sourceLabel_->setObjectName("riskSourceLabel");
    sourceLabel_->setWordWrap(true);
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    grid->addWidget(titleLabel_, 0, 1);
    grid->addWidget(benchmarkTitleLabel_, 0, 2);
    for (size_t i = 0; i < kFigureCount; ++i) {
        const int line = static_cast<int>(i) + 1;
        const QString definition =
            QCoreApplication::translate("Reports", kRiskFigureCaptions[i].definition);
        auto* caption = new QLabel(
            QCoreApplication::translate("Reports", kRiskFigureCaptions[i].caption), this);
        caption->setObjectName(QString("riskCaption%1").arg(i));
        figureLabels_[i] = FigureLabel(QString("riskFigure%1").arg(i), this);
        benchmarkLabels_[i] = FigureLabel(QString("benchmarkRiskFigure%1").arg(i), this);
        for (QLabel* label : {caption, figureLabels_[i], benchmarkLabels_[i]}) {
            label->setToolTip(definition);
        }
        grid->addWidget(caption, line, 0);
        grid->addWidget(figureLabels_[i], line, 1);
        grid->addWidget(benchmarkLabels_[i], line, 2);
    }
    grid->addWidget(sourceLabel_, static_cast<int>(kFigureCount) + 1, 0, 1, 3);
    grid->setRowStretch(static_cast<int>(kFigureCount) + 2, 1);
}

void RiskPanel::showFigures(const QString& title, const std::optional<QString>& benchmarkTitle,
                            const std::vector<std::vector<std::string>>& columns,
                            const QString& source) {
    Q_ASSERT(columns.size() == (benchmarkTitle ? 2u : 1u));
    titleLabel_->setText(title);
    benchmarkTitleLabel_->setText(benchmarkTitle.value_or(QString()));
    benchmarkTitleLabel_->setVisible(benchmarkTitle.has_value());
    for (size_t i = 0; i < kFigureCount; ++i) {
        figureLabels_[i]->setText(QString::fromStdString(columns[0][i]));
        benchmarkLabels_[i]->setVisible(benchmarkTitle.has_value());
        benchmarkLabels_[i]->setText(benchmarkTitle ? QString::fromStdString(columns[1][i])
                                                    : QString());
    }
    sourceLabel_->setText(source);
}

}  // namespace brevanta
