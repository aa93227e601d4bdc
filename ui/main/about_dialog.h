#pragma once

#include <QDialog>

namespace brevanta {

// The fixed "About" box: icon, name, release and notice.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace brevanta
