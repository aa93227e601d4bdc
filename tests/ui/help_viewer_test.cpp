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
        viewer.ShowTopic(keyword);
        EXPECT_EQ(ShownPage(viewer), "qrc:/help/" + QString(keyword).toLower() + ".html");
        EXPECT_FALSE(viewer.findChild<QTextBrowser*>()->toPlainText().isEmpty()) << keyword;
    }
}

TEST(HelpViewerTest, ContentsAndUnknownKeywordsShowTheContents) {
    HelpViewer viewer;
    viewer.ShowContents();
    EXPECT_EQ(ShownPage(viewer), "qrc:/help/contents.html");
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>()->toPlainText().contains("Topics"));
    viewer.ShowTopic("NOSUCHTOPIC");
    EXPECT_EQ(ShownPage(viewer), "qrc:/help/contents.html");
}

}  // namespace
}  // namespace brevanta
