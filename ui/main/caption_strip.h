#pragma once

#include <QLabel>

namespace brevanta {

// A bold caption above a tree or list. A text too long for the strip is cut off with an
// ellipsis and shown whole as the tooltip, so a long name never squeezes its neighbours.
// The part named elidable (a portfolio's name) is shortened first, so what follows it (the
// total) stays whole while there is room for it.
class CaptionStrip : public QLabel {
    Q_OBJECT

  public:
    explicit CaptionStrip(QWidget* parent = nullptr);

    void setCaption(const QString& caption, const QString& elidable = {});
    QString caption() const { return caption_; }

    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showElided();

    QString caption_;
    QString elidable_;
};

}  // namespace brevanta
