#include "ui/main/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>

#include "core/version.h"
#include "ui/platform/platform.h"

namespace brevanta {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutDialog");
    setWindowTitle(tr("About"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/brevanta.png"));
    auto* name = new QLabel(kApplicationTitle, this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* release = new QLabel(tr("Release %1").arg(kVersion), this);
    release->setObjectName("releaseLabel");
    auto* notice = new QLabel(tr("Time-weighted and dollar-weighted returns of your portfolios.\n"
                                 "Your data stays in the tables of your data directory."),
                              this);
    auto* licence = new QLabel(
        tr("Free software under the GNU General Public License, version 3 or later "
           "(GPL-3.0-or-later).\nIt comes with ABSOLUTELY NO WARRANTY; you may redistribute "
           "it under the terms of that licence."),
        this);
    licence->setObjectName("licenceLabel");
    auto* qtVersion = new QLabel(tr("Using Qt %1").arg(qVersion()), this);
    qtVersion->setObjectName("qtVersionLabel");
    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->setCenterButtons(true);
    QPushButton* okButton = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName("okButton");
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(release, 1, 1);
    layout->addWidget(notice, 2, 1);
    layout->addWidget(licence, 3, 1);
    layout->addWidget(qtVersion, 4, 1);
    layout->addWidget(buttons, 5, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace brevanta
