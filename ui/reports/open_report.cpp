#include "ui/reports/open_report.h"

#include <QCoreApplication>

#include "reports/report_writer.h"
#include "store/benchmark_choice.h"

namespace brevanta {

void OpenInBrowser(Platform& platform, const QString& page) {
    platform.ShowStatus(QCoreApplication::translate("Reports", "Report written to %1").arg(page));
    if (!platform.OpenInBrowser(page)) {
        platform.ShowError(QCoreApplication::translate(
                               "Reports",
                               "The report was written to %1, but no browser could be started "
                               "to show it.")
                               .arg(page));
    }
}

bool OpenReport(UiContext& context, DataStore& store, Pid portfolioId, Hid holdingId, int code) {
    Platform& platform = context.platform;
    BusyCursor busy(platform);
    ReportWriter writer(store, context.data_directory, context.locale);
    writer.SetToday(context.clock.Today());
    writer.SetBenchmark(BenchmarkOf(store, portfolioId));
    if (ShowIfFailed(platform, writer.RunReport(portfolioId, holdingId, code),
                     QCoreApplication::translate("Reports", "The report could not be written."))) {
        return false;
    }
    OpenInBrowser(platform, QString::fromStdString(writer.SavedPath().string()));
    return true;
}

}  // namespace brevanta
