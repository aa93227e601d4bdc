#include "ui/platform/help_viewer.h"

#include <gtest/gtest.h>

#include <QTextBrowser>

namespace brevanta {
namespace {

QString ShownPage(HelpViewer& viewer) {
    return viewer.findChild<QTextBrowser*>()->source().toString();
}

TEST(HelpViewerTest, EveryKeywordHasItsOwnPage) {
    HelpViewer viewer;
    for (const char* keyword :
         {"TRANS", "HISTORICAL", "CALCROR", "AUDIT", "COLUMNS", "IMPORT", "EXPORT", "REPORT"}) {
        viewer.showTopic(keyword);
        EXPECT_EQ(ShownPage(viewer), "qrc:/help/" + QString(keyword).toLower() + ".html");
        EXPECT_FALSE(viewer.findChild<QTextBrowser*>()->toPlainText().isEmpty()) << keyword;
    }
}

TEST(HelpViewerTest, ContentsAndUnknownKeywordsShowTheContents) {
    HelpViewer viewer;
    viewer.showContents();
    EXPECT_EQ(ShownPage(viewer), "qrc:/help/contents.html");
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>()->toPlainText().contains("Topics"));
    viewer.showTopic("NOSUCHTOPIC");
    EXPECT_EQ(ShownPage(viewer), "qrc:/help/contents.html");
}

}  // namespace
}  // namespace brevanta
