#pragma once

#include <string>

class DatabaseOptions;
class NameFormatter;

// The printed place from a place reply: the parts the ShowPlace options ask
// for, cleaned like name parts and joined by ", ".
class PlaceFormatter {
public:
    PlaceFormatter(const DatabaseOptions& options, const NameFormatter& names);

    // reply is the text of a place record, parts separated by "~" and the
    // record ended by "|"; empty when there is no place.
    std::string FormatPlace(const std::string& reply) const;

private:
    const DatabaseOptions& m_options;
    const NameFormatter& m_names;
};
