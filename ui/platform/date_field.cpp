#include "ui/platform/date_field.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>
#include <algorithm>

#include "core/date_format.h"
#include "ui/platform/system_locale.h"

namespace brevanta {

namespace {

// True when the year of text, a date the locale's short format reads, was typed with four
// digits. A two-digit year would be read as one of 1950 to 2049, a date the user never wrote.
bool HasFourDigitYear(const QString& text, const Locale& locale) {
    const QStringList formatFields = QString::fromStdString(locale.short_date_format).split('/');
    const QStringList textFields = text.split(QChar(locale.date_separator));
    for (qsizetype i = 0; i < formatFields.size() && i < textFields.size(); ++i) {
        if (!formatFields[i].contains('y', Qt::CaseInsensitive)) continue;
        const QString year = textFields[i].trimmed();
        return year.size() == 4 &&
               std::all_of(year.begin(), year.end(), [](QChar c) { return c.isDigit(); });
    }
    return false;
}

}  // namespace

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

    // Room for the longest short date, e.g. 12/31/2024 or 31.12.2024.
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance("00/00/00000") + 12);
    setFocusProxy(edit_);

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
    const QString text = edit_->text();
    if (!HasFourDigitYear(text, locale_)) return std::nullopt;
    return ParseShortDate(text.toStdString(), locale_);
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
