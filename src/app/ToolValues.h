// Parsing of the values the headless tools take on the command line.
#pragma once
#include <string>

namespace jamlog {

// A whole decimal number (optionally signed) within lo..hi, nothing else in the text.
bool parseNumber(const std::string& s, long long lo, long long hi, long long& out);

// "HH:MM" or "H:MM" to minutes since midnight.
bool parseClockTime(const std::string& s, int& minutes);

} // namespace jamlog
