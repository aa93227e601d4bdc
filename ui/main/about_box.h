#pragma once

#include <QDialog>

namespace brevanta {

// The fixed "About" box: icon, name, release and notice.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace brevanta
