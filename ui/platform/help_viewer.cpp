#include "ui/platform/help_viewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/platform/translations.h"

namespace brevanta {

namespace {

constexpr char kContentsPage[] = "contents";

// The topic in the language of the installed translation where it exists, else in English.
QString PagePath(const QString& name) {
    const QString language = TranslationLanguage();
    const QString translated = ":/help/" + language + "/" + name + ".html";
    return !language.isEmpty() && QFile::exists(translated) ? translated
                                                            : ":/help/" + name + ".html";
}

QUrl PageUrl(const QString& name) { return QUrl("qrc" + PagePath(name)); }

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("HelpViewer");
    browser_->setObjectName("browser");
    setWindowTitle(tr("Brevanta Help"));
    setModal(false);
    resize(560, 520);

    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* close = new QPushButton(tr("Close"), this);
    contents->setObjectName("contentsButton");
    back->setObjectName("backButton");
    close->setObjectName("closeButton");
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpViewer::showContents() { showPage(kContentsPage); }

void HelpViewer::showTopic(const QString& keyword) {
    const QString name = keyword.toLower();
    showPage(QFile::exists(":/help/" + name + ".html") ? name : QString(kContentsPage));
}

void HelpViewer::showPage(const QString& name) {
    browser_->setSource(PageUrl(name));
    show();
    raise();
    activateWindow();
}

}  // namespace brevanta
