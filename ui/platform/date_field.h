#pragma once

#include <QDate>
#include <QWidget>
#include <optional>

#include "core/date.h"
#include "core/locale.h"

class QCalendarWidget;
class QLineEdit;
class QMenu;
class QToolButton;

namespace brevanta {

// A date typed in the locale's short date format, or picked from a drop-down calendar.
// What the user typed is kept exactly as typed: the field never turns it into another date,
// and the dialog decides what to do with a text that is not one.
//
// The inner edit is named after the field (objectName + "Edit") and takes the field's focus.
class DateField : public QWidget {
    Q_OBJECT

  public:
    explicit DateField(const Locale& locale, QWidget* parent = nullptr);

    // Shows the date in the locale's short date format.
    void setDate(Date date);
    // The date typed: a whole existing date in the locale's short date format with a
    // four-digit year, from kFirstEnteredDate to kLastEnteredDate; nullopt for anything else.
    std::optional<Date> date() const;

    QLineEdit* lineEdit() const { return edit_; }

  private slots:
    void onCalendarAboutToShow();
    void onCalendarClicked(QDate date);

  private:
    Locale locale_;
    QLineEdit* edit_;
    QToolButton* calendarButton_;
    QMenu* calendarMenu_;
    QCalendarWidget* calendar_;
};

}  // namespace brevanta
