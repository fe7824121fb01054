#include "platform/metadata/FactText.h"

#include <array>

namespace platform::metadata {
namespace {

// Reads `width` digits at `at`; -1 when one of them is not a digit or the text is too short.
int Digits(std::string_view text, std::size_t at, std::size_t width) {
    if (at + width > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

bool IsDateSeparator(char c) {
    return c == ':' || c == '-';
}

} // namespace

std::optional<engine::recipes::WallTime> ParseMetadataDate(std::string_view text) {
    // YYYY?MM?DD, then optionally [ T]hh:mm[:ss]; what follows (fractions, a zone) is not read.
    engine::recipes::WallTime time;
    time.year = Digits(text, 0, 4);
    time.month = Digits(text, 5, 2);
    time.day = Digits(text, 8, 2);
    if (time.year < 1 || time.month < 1 || time.month > 12 || time.day < 1 || !IsDateSeparator(text[4]) ||
        text[7] != text[4] || time.day > DaysInMonth(time.year, time.month))
        return std::nullopt;
    if (text.size() > 10 && (text[10] == ' ' || text[10] == 'T')) {
        time.hour = Digits(text, 11, 2);
        time.minute = Digits(text, 14, 2);
        if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || text[13] != ':')
            return std::nullopt;
        if (text.size() > 16 && text[16] == ':') {
            time.second = Digits(text, 17, 2);
            if (time.second < 0 || time.second > 60)
                return std::nullopt;
        }
    }
    return time;
}

std::optional<engine::recipes::WallTime> LocalWallTime(std::time_t seconds) {
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return std::nullopt;
    return engine::recipes::WallTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::optional<std::string> TagText(std::string_view text) {
    auto padding = [](char c) { return c == '\0' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && padding(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && padding(text.front()))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    return std::string(text);
}

std::optional<long long> LeadingNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    long long value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        if (value > 999'999'999'999LL)
            return std::nullopt;
        value = value * 10 + (text[digits] - '0');
    }
    if (digits == 0 || value == 0)
        return std::nullopt;
    return value;
}

} // namespace platform::metadata
