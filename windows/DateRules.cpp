#include "DateRules.h"

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

DateProblem CheckDate(int dayIndex, int monthIndex, int year)
{
    constexpr int February = 1;
    if (monthIndex == February) {
        const int lastDayIndex = IsLeapYear(year) ? 28 : 27;
        return dayIndex > lastDayIndex ? DateProblem::February : DateProblem::None;
    }
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && dayIndex == 30)
        return DateProblem::ThirtyDayMonth;
    return DateProblem::None;
}
