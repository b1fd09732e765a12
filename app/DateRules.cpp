#include "DateRules.h"

namespace {

// Positions in the day and month lists, which start at day 1 and January.
constexpr int February = 1;
constexpr int April = 3;
constexpr int June = 5;
constexpr int September = 8;
constexpr int November = 10;
constexpr int Day28 = 27;
constexpr int Day29 = 28;
constexpr int Day31 = 30;

} // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

DateProblem checkDate(int dayIndex, int monthIndex, int year)
{
    if (monthIndex == February) {
        const int lastDay = isLeapYear(year) ? Day29 : Day28;
        return dayIndex > lastDay ? DateProblem::February : DateProblem::None;
    }
    const bool thirtyDays = monthIndex == April || monthIndex == June || monthIndex == September ||
                            monthIndex == November;
    if (thirtyDays && dayIndex == Day31)
        return DateProblem::ThirtyDayMonth;
    return DateProblem::None;
}
