#include "ui/reports/open_report.h"

#include <QCoreApplication>

#include "reports/report_writer.h"

namespace brevanta {

bool OpenReport(UiContext& context, DataStore& store, Pid portfolioId, Hid holdingId, int code) {
    Platform& platform = context.platform;
    BusyCursor busy(platform);
    ReportWriter writer(store, context.data_directory, context.locale);
    if (ShowIfFailed(platform, writer.RunReport(portfolioId, holdingId, code),
                     QCoreApplication::translate("Reports", "The report could not be written."))) {
        return false;
    }
    const QString page = QString::fromStdString(writer.SavedPath().string());
    if (!platform.OpenInBrowser(page)) {
        platform.ShowError(
            QCoreApplication::translate("Reports", "%1 could not be opened in the browser.")
                .arg(page));
    }
    return true;
}

}  // namespace brevanta
