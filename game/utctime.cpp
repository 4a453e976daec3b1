#include "utctime.h"

namespace game::room {

namespace {

// Days since 1970-01-01 of a date, and back (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

unsigned daysInMonth(std::int64_t y, unsigned m)
{
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

std::string twoDigits(unsigned v)
{
    return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

} // namespace

std::string formatTime(Millis t)
{
    const Millis day = 86400000;
    std::int64_t days = t / day;
    Millis rest = t % day;
    if (rest < 0) {
        rest += day;
        --days;
    }
    std::int64_t y;
    unsigned m, d;
    civilFromDays(days, y, m, d);
    const auto ms = static_cast<unsigned>(rest % 1000);
    const auto s = static_cast<unsigned>(rest / 1000);
    std::string out = std::to_string(y) + "-" + twoDigits(m) + "-" + twoDigits(d) + "T" + twoDigits(s / 3600) + ":"
                      + twoDigits(s / 60 % 60) + ":" + twoDigits(s % 60) + ".";
    out += static_cast<char>('0' + ms / 100);
    out += twoDigits(ms % 100);
    return out + "Z";
}

std::optional<Millis> parseTime(std::string_view t)
{
    // YYYY-MM-DDTHH:MM:SS[.f{1,9}]Z
    if (t.size() < 20 || t[4] != '-' || t[7] != '-' || (t[10] != 'T' && t[10] != 't') || t[13] != ':' || t[16] != ':')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t n, unsigned& out) {
        out = 0;
        for (std::size_t i = at; i < at + n; ++i) {
            if (t[i] < '0' || t[i] > '9')
                return false;
            out = out * 10 + static_cast<unsigned>(t[i] - '0');
        }
        return true;
    };
    unsigned y, mo, d, h, mi, s;
    if (!number(0, 4, y) || !number(5, 2, mo) || !number(8, 2, d) || !number(11, 2, h) || !number(14, 2, mi)
        || !number(17, 2, s))
        return std::nullopt;
    if (y < 1970 || mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    std::size_t i = 19;
    unsigned ms = 0;
    if (t[i] == '.') {
        ++i;
        const std::size_t from = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        const std::size_t n = i - from;
        if (n == 0 || n > 9)
            return std::nullopt;
        for (std::size_t k = 0; k < 3; ++k)
            ms = ms * 10 + (k < n ? static_cast<unsigned>(t[from + k] - '0') : 0);
    }
    if (i + 1 != t.size() || (t[i] != 'Z' && t[i] != 'z'))
        return std::nullopt;
    return ((daysFromCivil(y, mo, d) * 24 + h) * 60 + mi) * 60000 + Millis(s) * 1000 + ms;
}

} // namespace game::room
