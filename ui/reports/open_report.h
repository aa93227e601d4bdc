#pragma once

#include "store/identifiers.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

class DataStore;

// Writes one report (ReportWriter::RunReport) into the context's data directory under the
// busy cursor, then opens the saved page in the browser. A report that could not be written
// is shown with its reason and never opened. True when the page was written.
// Opens a saved page in the browser, saying so when nothing could.
void OpenInBrowser(Platform& platform, const QString& page);

bool OpenReport(UiContext& context, DataStore& store, Pid portfolioId, Hid holdingId, int code);

}  // namespace brevanta
