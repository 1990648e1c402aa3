#include "app/ToolValues.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "sim/Clock.h"

namespace jamlog {

namespace {
bool allDigits(const std::string& s) {
    if (s.empty())
        return false;
    for (const char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}
} // namespace

bool parseNumber(const std::string& s, long long lo, long long hi, long long& out) {
    if (s.empty() || std::isspace(static_cast<unsigned char>(s[0])))
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

bool parseClockTime(const std::string& s, int& minutes) {
    const size_t colon = s.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || s.size() != colon + 3)
        return false;
    const std::string hh = s.substr(0, colon), mm = s.substr(colon + 1);
    long long h = 0, m = 0;
    if (!allDigits(hh) || !allDigits(mm) || !parseNumber(hh, 0, 23, h) || !parseNumber(mm, 0, 59, m))
        return false;
    minutes = clockAt(static_cast<int>(h), static_cast<int>(m));
    return true;
}

} // namespace jamlog
