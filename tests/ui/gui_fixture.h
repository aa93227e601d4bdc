#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "fakes/fake_platform.h"
#include "store/data_store_fixture.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/ui_context.h"

namespace brevanta::testing {

// Runs action on the modal dialog of type T as soon as it is shown, then closes the dialog
// with Cancel if the action left it open, so a test never waits on a dialog for ever.
template <typename T>
void OnModal(std::function<void(T&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 400) return;
        timer->stop();
        timer->deleteLater();
        if (!dialog) return;
        action(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    timer->start();
}

// Shows the dialog as its caller would, without waiting on it; `act` fills it and presses its
// buttons, and Cancel closes it if act left it open. Returns what it closed with.
template <typename Dialog>
int Drive(Dialog& dialog, const std::function<void(Dialog&)>& act) {
    dialog.show();
    act(dialog);
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

// Fails the test if the dialog is shown (and closes it), for an entry operation that must
// return without showing it.
inline void ExpectNeverShown(QDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (!dialog.isVisible()) return;
        ADD_FAILURE() << dialog.objectName().toStdString() << " was shown";
        dialog.reject();
    });
}

// A table the store has loaded that can no longer be written: a directory in its place.
inline void BreakTable(const std::string& path) {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
}

// The texts of a list's lines, in order.
inline QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int line = 0; line < list->count(); ++line) lines << list->item(line)->text();
    return lines;
}

// The names of the widgets that Tab, pressed in the shown window, visits from `first` once
// round.
inline QStringList TabStops(QWidget& window, QWidget* first) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return {};
    first->setFocus();
    QStringList names{first->objectName()};
    for (int stop = 0; stop < 30; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == first) break;
        names << QApplication::focusWidget()->objectName();
    }
    return names;
}

// The texts of a model's rows, each row's cells joined by `separator`.
inline QStringList ModelLines(const QAbstractItemModel* model, const QString& separator) {
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << model->index(row, column).data().toString();
        }
        lines << cells.join(separator);
    }
    return lines;
}

// The tables of DataStoreTest, plus what the forms are given: the fake platform, en-US,
// a clock fixed at 15 June 2024 and the test's data directory.
class GuiTest : public DataStoreTest {
  protected:
    static constexpr int kTodayYear = 2024;

    void AddColumn(const std::string& name, int position, int width = 70) {
        AddSettingRow("VIEW", name, "1", std::to_string(width), std::to_string(position));
    }
    // Growth holding Bonds (from 15 January 2020, 1000) and Stocks (from 1 March 2021, 500);
    // Income holding nothing.
    void AddGrowthAndIncome() {
        growth_ = AddPortfolio("Growth");
        income_ = AddPortfolio("Income");
        bonds_ = AddHolding(growth_, "Bonds", D(2020, 1, 15), 1000);
        stocks_ = AddHolding(growth_, "Stocks", D(2021, 3, 1), 500);
    }
    void StoreFigures(Hid holding_id, float figure) {
        PerformanceFigures figures;
        figures.PerformanceDate = D(2024, 5, 31);
        figures.Figures.values.fill(figure);
        ASSERT_TRUE(store().holdings().StoreHoldingFigures(holding_id, figures).ok());
    }

    // The store as the windows have it, saying what each write changed. From the first call
    // on, it holds the store.
    ObservedStore& observed() {
        if (!observed_) {
            observed_ = std::make_unique<ObservedStore>(
                OpenedDirectory{nullptr, std::move(store_), {}}, dir_.path());
        }
        return *observed_;
    }
    DataStore& store() override { return observed_ ? observed_->store() : *store_; }
    void Reopen() {
        observed_.reset();
        DataStoreTest::Reopen();
    }

    Pid growth_{}, income_{};
    Hid bonds_{}, stocks_{};
    std::unique_ptr<ObservedStore> observed_;
    FakePlatform platform_;
    FixedClock clock_{Date::Ymd(kTodayYear, 6, 15), TimeOfDay{10, 0, 0}};
    UiContext context_{platform_, Locale::EnUs(), clock_, dir_.path()};
};

}  // namespace brevanta::testing
