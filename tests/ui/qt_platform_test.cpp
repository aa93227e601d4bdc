#include "ui/platform/qt_platform.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

TEST(QtPlatformTest, EnterAnswersNoToAQuestion) {
    QtPlatform platform;
    bool noIsDefault = false;
    OnModal<QMessageBox>([&noIsDefault](QMessageBox& box) {
        noIsDefault = box.defaultButton() == box.button(QMessageBox::No);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_FALSE(platform.AskYesNo("Delete", "Delete the Growth portfolio?"));
    EXPECT_TRUE(noIsDefault);
}

}  // namespace
}  // namespace brevanta::testing
