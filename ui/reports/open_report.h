#pragma once

#include "store/identifiers.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

class DataStore;

// Names a written page in the status line and opens it in the browser, saying so when no
// browser could be started.
void OpenInBrowser(Platform& platform, const QString& page);

// Writes one report (ReportWriter::RunReport) into the context's data directory under the
// busy cursor, then opens the saved page in the browser. A report that could not be written
// is shown with its reason and never opened. True when the page was written.
bool OpenReport(UiContext& context, DataStore& store, Pid portfolioId, Hid holdingId, int code);

}  // namespace brevanta
