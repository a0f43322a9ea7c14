#include "nmea/CaptureTime.h"

#include <cstdint>

namespace birch {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads characters of `text` from `at`; every reader leaves `at` unchanged when it fails.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t at) : text_(text), at_(at) {}

    std::size_t at() const { return at_; }
    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[at_]; }

    bool literal(char c)
    {
        if (peek() != c)
            return false;
        ++at_;
        return true;
    }
    bool oneOf(std::string_view chars)
    {
        if (atEnd() || chars.find(peek()) == std::string_view::npos)
            return false;
        ++at_;
        return true;
    }
    // Exactly `min` to `max` digits.
    std::optional<std::int64_t> digits(std::size_t min, std::size_t max)
    {
        std::size_t end = at_;
        std::int64_t value = 0;
        while (end < text_.size() && isDigit(text_[end]) && end - at_ < max) {
            value = value * 10 + (text_[end] - '0');
            ++end;
        }
        if (end - at_ < min || (end < text_.size() && isDigit(text_[end])))
            return std::nullopt;
        at_ = end;
        return value;
    }
    // Exactly `count` digits, whatever follows them.
    std::optional<std::int64_t> fixedDigits(std::size_t count)
    {
        if (at_ + count > text_.size())
            return std::nullopt;
        std::int64_t value = 0;
        for (std::size_t i = at_; i < at_ + count; ++i) {
            if (!isDigit(text_[i]))
                return std::nullopt;
            value = value * 10 + (text_[i] - '0');
        }
        at_ += count;
        return value;
    }
    // A decimal separator from `separators` and its digits, as a fraction; 0 when there is none.
    double fraction(std::string_view separators)
    {
        const std::size_t start = at_;
        if (!oneOf(separators) || !isDigit(peek())) {
            at_ = start;
            return 0.0;
        }
        double value = 0.0;
        double scale = 0.1;
        while (isDigit(peek())) {
            value += (text_[at_] - '0') * scale;
            scale /= 10.0;
            ++at_;
        }
        return value;
    }

private:
    std::string_view text_;
    std::size_t at_;
};

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::optional<double> timeOfDay(Cursor& c)
{
    Cursor start = c;
    const auto hours = c.digits(1, 2);
    if (!hours || !c.literal(':')) {
        c = start;
        return std::nullopt;
    }
    const auto minutes = c.digits(2, 2);
    if (!minutes || !c.literal(':')) {
        c = start;
        return std::nullopt;
    }
    const auto seconds = c.digits(2, 2);
    if (!seconds || *hours > 23 || *minutes > 59 || *seconds > 60) {
        c = start;
        return std::nullopt;
    }
    return static_cast<double>(*hours * 3600 + *minutes * 60 + *seconds) + c.fraction(".,");
}

// "Z", "+hh:mm", "+hhmm" or "+hh" (and the same with "-"); seconds to subtract.
std::int64_t zoneOffset(Cursor& c)
{
    if (c.literal('Z'))
        return 0;
    Cursor start = c;
    const char sign = c.peek();
    if (!c.oneOf("+-"))
        return 0;
    const auto hours = c.fixedDigits(2);
    if (!hours) {
        c = start;
        return 0;
    }
    c.literal(':');
    const auto minutes = c.fixedDigits(2).value_or(0);
    const std::int64_t offset = *hours * 3600 + minutes * 60;
    return sign == '-' ? -offset : offset;
}

std::optional<CaptureTime> dateTime(Cursor& c)
{
    Cursor start = c;
    const auto year = c.digits(4, 4);
    std::optional<std::int64_t> month;
    std::optional<std::int64_t> day;
    if (year && c.literal('-'))
        month = c.digits(2, 2);
    if (month && c.literal('-'))
        day = c.digits(2, 2);
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31 || !c.oneOf("T _")) {
        c = start;
        return std::nullopt;
    }
    const auto time = timeOfDay(c);
    if (!time) {
        c = start;
        return std::nullopt;
    }
    const double seconds =
        static_cast<double>(daysFromCivil(*year, *month, *day) * 86400) + *time - static_cast<double>(zoneOffset(c));
    return CaptureTime{CaptureTime::Kind::DateTime, seconds};
}

std::optional<CaptureTime> plainSeconds(Cursor& c)
{
    Cursor start = c;
    const std::size_t from = c.at();
    const auto whole = c.digits(1, 18);
    if (!whole)
        return std::nullopt;
    const std::size_t wholeDigits = c.at() - from;
    const std::size_t beforeFraction = c.at();
    const double fraction = c.fraction(".");
    if (c.at() == beforeFraction && wholeDigits < 9) {
        c = start;
        return std::nullopt;
    }
    return CaptureTime{CaptureTime::Kind::Seconds, static_cast<double>(*whole) + fraction};
}

} // namespace

std::optional<CaptureTime> captureTimeIn(std::string_view prefix)
{
    for (std::size_t at = 0; at < prefix.size(); ++at) {
        // A time starts where a run of digits starts.
        if (!isDigit(prefix[at]) || (at > 0 && isDigit(prefix[at - 1])))
            continue;
        Cursor c(prefix, at);
        if (auto found = dateTime(c))
            return found;
        if (const auto time = timeOfDay(c))
            return CaptureTime{CaptureTime::Kind::TimeOfDay, *time};
        if (auto found = plainSeconds(c))
            return found;
    }
    return std::nullopt;
}

} // namespace birch
