#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>

#include "exchange/file_survey.h"
#include "exchange/import_line_format.h"
#include "exchange/import_mapping.h"
#include "store/identifiers.h"
#include "ui/platform/ui_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace brevanta {

class DataStore;
class TextTableModel;

// The import wizard's page for a file in another layout than the program's own: the settings
// of a mapping (guessed from the file, or a saved one), and a preview of the first lines as the
// store would receive them, each skipped line marked with its reason. A date format the file
// cannot settle (day and month both 12 or less) is asked here, by the format list and a note
// beside it.
class MappingPage : public QWidget {
    Q_OBJECT

  public:
    // The preview shows this many of the lines the import names.
    static constexpr int kPreviewLines = 50;

    // REQUIRES: store outlives the page.
    MappingPage(UiContext& context, DataStore& store, QWidget* parent = nullptr);

    // Guesses a mapping for the file and previews it for the investment.
    void load(const std::filesystem::path& file, ImportKind kind, Pid portfolioId, Hid holdingId);

    // The mapping to import with, its encoding and date format settled; nullopt while the
    // page says what is missing.
    const std::optional<ImportMapping>& importMapping() const { return importMapping_; }
    // Whether finishing would import something.
    bool isReady() const { return ready_; }
    // The mapping as set on the page, with the date format it settled, to be saved.
    ImportMapping mappingToSave() const;
    // The name to save the mapping under; empty for none.
    QString saveName() const;

  signals:
    // Whether finishing would import something.
    void readyChanged(bool ready);

  protected:
    // The keyboard starts where the page needs the user: at an unsettled date format, or else
    // at the saved mappings.
    void showEvent(QShowEvent* event) override;

  private slots:
    void onSavedMappingChosen(int index);
    void onLayoutChanged();
    void onTypeColumnChanged();
    void onSettingChanged();

  private:
    // The settings as the controls show them.
    ImportMapping readMapping() const;
    // Shows the mapping in the controls, without previewing it.
    void showMapping(const ImportMapping& mapping);
    // Lists the file's columns in every column list, keeping each one's choice.
    void refillColumns(const ImportMapping& mapping);
    // Lists each text of the type column once, with the code `mapping` maps it to.
    void refillTypeMap(const ImportMapping& mapping);
    // Settles the mapping from the whole file and previews it, or says what is missing.
    void refresh();
    void preview();
    void showControlsForKind();

    UiContext& context_;
    DataStore& store_;
    std::filesystem::path file_;
    ImportKind kind_ = ImportKind::Transactions;
    Pid portfolioId_{};
    Hid holdingId_{};
    FileSample sample_;
    ImportMapping guessed_;
    FileSurvey survey_;
    std::optional<ImportMapping> importMapping_;
    bool ready_ = false;

    QComboBox* savedMappingCombo_;
    QComboBox* delimiterCombo_;
    QComboBox* encodingCombo_;
    QSpinBox* skipSpin_;
    QComboBox* decimalCombo_;
    QComboBox* groupingCombo_;
    QComboBox* dateColumnCombo_;
    QComboBox* dateFormatCombo_;
    QLabel* dateFormatNote_;
    QComboBox* amountKindCombo_;
    QComboBox* amountColumnCombo_;
    QComboBox* debitColumnCombo_;
    QComboBox* creditColumnCombo_;
    QLabel* typeLabel_;
    QComboBox* typeSourceCombo_;
    QComboBox* typeColumnCombo_;
    QTableWidget* typeMapTable_;
    QComboBox* descriptionColumnCombo_;
    QLabel* descriptionLabel_;
    TextTableModel* previewModel_;
    QTableView* previewTable_;
    QLabel* previewSummary_;
    QLineEdit* saveNameEdit_;
};

}  // namespace brevanta
