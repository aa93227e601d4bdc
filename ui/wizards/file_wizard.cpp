#include "ui/wizards/file_wizard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "exchange/import_export_engine.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/holding_picker.h"

namespace brevanta {

namespace {

const QSize kPageSize(520, 340);

QWidget* MakePage(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch();
    return page;
}

}  // namespace

FileWizard::FileWizard(UiContext& context, DataStore& store, const QString& captionPattern,
                       const QString& helpKeyword, const QString& kindPrompt,
                       const QString& fileCaption, QWidget* parent)
    : QDialog(parent),
      context_(context),
      captionPattern_(captionPattern),
      helpKeyword_(helpKeyword),
      store_(store),
      pages_(new QStackedWidget(this)),
      holdingPrompt_(new QLabel(this)),
      holdingPicker_(new HoldingPicker(this)),
      fileEdit_(new QLineEdit(this)),
      browseButton_(NamedButton(tr("Browse ..."), "browseButton", this)),
      helpButton_(NamedButton(tr("Help"), "helpButton", this)),
      backButton_(NamedButton(tr("< &Back"), "backButton", this)),
      nextButton_(NamedButton(tr("&Next >"), "nextButton", this)),
      cancelButton_(NamedButton(tr("Cancel"), "cancelButton", this)) {
    holdingPrompt_->setObjectName("holdingPrompt");
    holdingPrompt_->setWordWrap(true);
    fileEdit_->setObjectName("fileEdit");
    pages_->setObjectName("pages");

    auto* picture = new QLabel(this);
    picture->setObjectName("picture");
    picture->setPixmap(QPixmap(":/brevanta.png"));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picture->setFixedWidth(96);

    auto* fileLabel = new QLabel(fileCaption, this);
    fileLabel->setBuddy(fileEdit_);
    // The label stands outside the field's row, where a screen reader does not look for it.
    fileEdit_->setAccessibleName(QString(fileCaption).remove('&'));
    auto* fileRow = new QWidget(this);
    auto* fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(fileEdit_, 1);
    fileLayout->addWidget(browseButton_);

    auto* kindPage = MakePage(this, {new QLabel(kindPrompt, this)});
    kindLayout_ = static_cast<QVBoxLayout*>(kindPage->layout());
    pages_->addWidget(kindPage);
    pages_->addWidget(MakePage(this, {holdingPrompt_, holdingPicker_}));
    pages_->addWidget(MakePage(this, {fileLabel, fileRow}));

    auto* content = new QHBoxLayout;
    content->addWidget(picture);
    content->addWidget(pages_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton_);
    buttons->addStretch();
    buttons->addWidget(backButton_);
    buttons->addWidget(nextButton_);
    buttons->addSpacing(12);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addLayout(buttons);
    pageSizes_.assign(static_cast<std::size_t>(pages_->count()), kPageSize);
    setFixedSize(kPageSize);
    nextButton_->setDefault(true);

    connect(nextButton_, &QPushButton::clicked, this, &FileWizard::onNextClicked);
    connect(backButton_, &QPushButton::clicked, this, &FileWizard::onBackClicked);
    connect(browseButton_, &QPushButton::clicked, this, &FileWizard::onBrowseClicked);
    connect(helpButton_, &QPushButton::clicked, this, &FileWizard::onHelpClicked);
    connect(fileEdit_, &QLineEdit::textChanged, this, &FileWizard::onFileEdited);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    holdingPicker_->load(store_);
    showPage(KindPage);
    nextButton_->setFocus();
}

int FileWizard::addPage(QWidget* page, QSize size) {
    pageSizes_.push_back(size);
    return pages_->addWidget(page);
}

void FileWizard::showPage(int page) {
    pages_->setCurrentIndex(page);
    const QSize size = pageSizes_[static_cast<std::size_t>(page)];
    if (size != this->size()) {
        setFixedSize(size);
        if (isVisible()) keepOnScreen();
    }
    if (page == FilePage) fileEdit_->setFocus();
    setWindowTitle(captionPattern_.arg(page + 1).arg(pageCount()));
    backButton_->setEnabled(page != KindPage);
    nextButton_->setEnabled(true);
    nextButton_->setText(page + 1 >= pageCount() ? tr("Finished") : tr("&Next >"));
}

// A page of another size grows the wizard about the centre of the window it belongs to, and
// never past the screen's edges.
void FileWizard::keepOnScreen() {
    const QRect available = screen()->availableGeometry();
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect frame = frameGeometry();
    frame.moveCenter(owner ? owner->frameGeometry().center() : available.center());
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    move(frame.topLeft());
}

int FileWizard::currentPage() const { return pages_->currentIndex(); }

void FileWizard::setNextEnabled(bool enabled) { nextButton_->setEnabled(enabled); }

QRadioButton* FileWizard::addKind(const QString& caption, const char* name) {
    auto* button = new QRadioButton(caption, this);
    button->setObjectName(name);
    kindLayout_->insertWidget(kindLayout_->count() - 1, button);  // above the closing stretch
    return button;
}

void FileWizard::setHoldingPrompt(const QString& prompt) { holdingPrompt_->setText(prompt); }

QString FileWizard::fileName() const { return fileEdit_->text().trimmed(); }

void FileWizard::refuse(int page, const QString& message) {
    showPage(page);
    context_.platform.ShowPlain(message);
}

void FileWizard::finishWith(const std::function<Status(ImportExportEngine&)>& operation,
                            const std::function<QString()>& afterSuccess) {
    Status status;
    QString message;
    {
        BusyCursor busy(context_.platform);
        ImportExportEngine engine(store_);
        status = operation(engine);
        message = Translated(engine.ResultMessage());
        if (status.ok() && afterSuccess) message += afterSuccess();
    }
    if (!status.ok()) {
        // Stays on its last page with every choice, so the user can mend the file and try again.
        context_.platform.ShowError(message);
        if (currentPage() == FilePage) fileEdit_->setFocus();
        return;
    }
    hide();
    context_.platform.ShowPlain(message);
    accept();
}

void FileWizard::onNextClicked() {
    switch (pages_->currentIndex()) {
        case KindPage:
            prepareHoldingPage();
            showPage(HoldingPage);
            break;
        case HoldingPage:
            showPage(FilePage);
            break;
        default:
            finish();
    }
}

void FileWizard::onBackClicked() {
    if (pages_->currentIndex() != KindPage) showPage(pages_->currentIndex() - 1);
}

void FileWizard::onFileEdited() {
    if (pages_->currentIndex() == FilePage) showPage(FilePage);
}

void FileWizard::onBrowseClicked() {
    const QString chosen = chooseFile();
    if (!chosen.isEmpty()) fileEdit_->setText(chosen);
}

void FileWizard::onHelpClicked() { context_.platform.ShowHelpTopic(helpKeyword_); }

}  // namespace brevanta
