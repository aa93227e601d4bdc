#pragma once

#include <QDialog>

namespace brevanta {

// The fixed "About" box: icon, name, the release of this build, notice, licence and the Qt
// version the program runs on.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace brevanta
