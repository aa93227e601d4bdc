#include "ui/platform/date_field.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "ui/platform/system_locale.h"

namespace brevanta {
namespace {

TEST(DateFieldTest, CalendarStartsAtTheTypedDateAndFillsTheEditInTheLocalesFormat) {
    DateField field(LocaleFrom(QLocale(QLocale::German, QLocale::Germany)));
    field.setObjectName("startField");
    EXPECT_EQ(field.findChild<QLineEdit*>("startFieldEdit"), field.lineEdit());
    field.setDate(Date::Ymd(2020, 2, 28));
    EXPECT_EQ(field.lineEdit()->text(), "28.02.2020");

    auto* calendar = field.findChild<QCalendarWidget*>();
    emit field.findChild<QToolButton*>("calendarButton")->menu()->aboutToShow();
    EXPECT_EQ(calendar->selectedDate(), QDate(2020, 2, 28));
    emit calendar->clicked(QDate(2021, 3, 5));
    EXPECT_EQ(field.lineEdit()->text(), "05.03.2021");
    EXPECT_EQ(field.date(), Date::Ymd(2021, 3, 5));
}

TEST(DateFieldTest, DatesOutsideTheEnterableYearsAreNotValid) {
    DateField field(Locale::EnUs());
    const struct {
        const char* typed;
        std::optional<Date> date;
    } cases[] = {{"1/1/1900", std::nullopt},
                 {"1/2/1900", Date::Ymd(1900, 1, 2)},
                 {"12/31/2099", Date::Ymd(2099, 12, 31)},
                 {"1/1/2100", std::nullopt}};
    for (const auto& c : cases) {
        field.lineEdit()->setText(c.typed);
        EXPECT_EQ(field.date(), c.date) << c.typed;
    }
}

}  // namespace
}  // namespace brevanta
