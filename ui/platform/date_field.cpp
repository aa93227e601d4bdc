#include "ui/platform/date_field.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

#include "core/date_format.h"
#include "ui/platform/system_locale.h"

namespace brevanta {

DateField::DateField(const Locale& locale, QWidget* parent)
    : QWidget(parent),
      locale_(locale),
      edit_(new QLineEdit(this)),
      calendarButton_(new QToolButton(this)),
      calendarMenu_(new QMenu(this)),
      calendar_(new QCalendarWidget(calendarMenu_)) {
    calendarButton_->setObjectName("calendarButton");
    calendarButton_->setArrowType(Qt::DownArrow);
    calendarButton_->setPopupMode(QToolButton::InstantPopup);
    calendarButton_->setMenu(calendarMenu_);
    calendarButton_->setToolTip(tr("Choose a date from the calendar"));
    calendarButton_->setFocusPolicy(Qt::NoFocus);
    auto* calendarAction = new QWidgetAction(calendarMenu_);
    calendarAction->setDefaultWidget(calendar_);
    calendarMenu_->addAction(calendarAction);
    calendar_->setGridVisible(true);
    calendar_->setDateRange(ToQDate(kFirstEnteredDate), ToQDate(kLastEnteredDate));

    // Room for the longest short date, e.g. 12/31/2024 or 31.12.2024.
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    setFocusProxy(edit_);
    // The form's label names this field, not the line edit that takes the focus for it.
    edit_->setAccessibleName(tr("Date"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_);
    layout->addWidget(calendarButton_);

    connect(this, &QObject::objectNameChanged, this,
            [this](const QString& name) { edit_->setObjectName(name + "Edit"); });
    connect(calendarMenu_, &QMenu::aboutToShow, this, &DateField::onCalendarAboutToShow);
    connect(calendar_, &QCalendarWidget::clicked, this, &DateField::onCalendarClicked);
    connect(calendar_, &QCalendarWidget::activated, this, &DateField::onCalendarClicked);
}

void DateField::setDate(Date date) {
    edit_->setText(QString::fromStdString(FormatShortDate(date, locale_)));
}

std::optional<Date> DateField::date() const {
    const std::optional<Date> typed =
        ParseShortDate(edit_->text().toStdString(), locale_, YearDigits::Four);
    if (!typed || !IsEnterableDate(*typed)) return std::nullopt;
    return typed;
}

void DateField::onCalendarAboutToShow() {
    if (const std::optional<Date> shown = date()) calendar_->setSelectedDate(ToQDate(*shown));
}

void DateField::onCalendarClicked(QDate date) {
    setDate(FromQDate(date));
    calendarMenu_->close();
    edit_->setFocus();
}

}  // namespace brevanta
