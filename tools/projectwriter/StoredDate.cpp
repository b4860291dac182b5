#include "tools/projectwriter/StoredDate.h"

#include <cstdio>

namespace {
std::string Digits(const StoredDate::Day& day)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d%c", day.year % 10000, day.month % 100, day.day % 100,
                  day.oldStyle ? '1' : '0');
    return text;
}
}  // namespace

std::string StoredDate::Exact(int year, int month, int day)
{
    return Regular(kExact, {year, month, day, false});
}

std::string StoredDate::Regular(char qualifier, const Day& first, const Day& second, bool questioned)
{
    std::string stored("1");
    stored += Digits(first);
    stored += qualifier;
    stored += Digits(second);
    stored += questioned ? '1' : '0';
    return stored;
}

std::string StoredDate::Irregular(const std::string& text)
{
    return "0" + text;
}
