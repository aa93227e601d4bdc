#include "ui/main/about_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "core/version.h"

namespace brevanta {
namespace {

QString LabelText(const AboutDialog& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString("no %1").arg(name);
}

TEST(AboutDialogTest, ShowsTheBuildsReleaseTheLicenceAndTheQtVersion) {
    AboutDialog dialog;
    EXPECT_EQ(LabelText(dialog, "releaseLabel"), QString("Release ") + kVersion);
    EXPECT_STRNE(kVersion, "");
    EXPECT_TRUE(LabelText(dialog, "licenceLabel").contains("GPL-3.0-or-later"));
    EXPECT_EQ(LabelText(dialog, "qtVersionLabel"), QString("Using Qt ") + qVersion());
}

}  // namespace
}  // namespace brevanta
