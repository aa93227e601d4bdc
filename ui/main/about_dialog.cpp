#include "ui/main/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace brevanta {

namespace {

constexpr char kVersion[] = "2.01";

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutDialog");
    setWindowTitle("About");

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/brevanta.png"));
    auto* name = new QLabel("Brevanta", this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* release = new QLabel(QString("Release ") + kVersion, this);
    auto* notice = new QLabel(
        "Time-weighted and dollar-weighted returns of your portfolios.\n"
        "Your data stays in the tables of your data directory.",
        this);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(release, 1, 1);
    layout->addWidget(notice, 2, 1);
    layout->addWidget(ok, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace brevanta
