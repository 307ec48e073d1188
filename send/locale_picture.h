#pragma once
// Pictures for the system's date and time formatting, and the separators put into them.
#include <string>

// Times shown as 24-hour texts whatever the user's own time format.
constexpr char kFixedTimePicture[] = "HH':'mm':'ss";

// The date picture of a date order: 0 month-day-year, 1 day-month-year, 2 year-month-day;
// any other order counts as 0.
const char* DatePictureForOrder(int order);

// The picture with every `placeholder` character replaced by the separator.
std::string ReplaceEachChar(const std::string& picture, char placeholder, const std::string& separator);
