#pragma once
// Calendar dates as day counts. Only whole days occur in this program; the
// fractional part of a TDateTime would be the time of day and stays 0.

namespace quendar {

// Days from 30 December 1899 (day 0) in the proleptic Gregorian calendar.
using TDateTime = double;

constexpr TDateTime MinDateValue = -693593;  // 1 January 0001
constexpr TDateTime MaxDateValue = 2958465;  // 31 December 9999

bool IsLeap(int year);

// 28..31 for a month 1..12; 0 for a month outside that range.
int MonthLength(int year, int month);

// Valid for 1 <= year <= 9999, 1 <= month <= 12 and a day within the month.
bool TryMakeDate(int year, int month, int day, TDateTime& value);

// Throws EConvertError "Invalid argument to date encode" for an invalid date.
TDateTime MakeDate(int year, int month, int day);

// The inverse of MakeDate on the integral part of the value. A value before
// 1 January 0001, or one that is not a finite number, yields 0, 0, 0.
void SplitDate(TDateTime value, int& year, int& month, int& day);

// 1 = Sunday ... 7 = Saturday. Always within 1..7, even for values outside
// the calendar's range (a non-finite value gives 1).
int WeekdayOf(TDateTime value);

}  // namespace quendar
