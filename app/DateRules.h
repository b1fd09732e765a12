#pragma once
// The date checks of the main window, on list positions (index 0 = day 1 / January).

enum class DateProblem {
    None,
    February,       // 29 (outside leap years), 30 or 31 February
    ThirtyDayMonth, // 31 April, June, September or November
};

// Gregorian rule: every fourth year, but not centuries unless divisible by 400.
bool isLeapYear(int year);

DateProblem checkDate(int dayIndex, int monthIndex, int year);
