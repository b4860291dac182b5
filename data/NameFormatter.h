#pragma once

#include <cstdint>
#include <string>

class DatabaseOptions;

// The printed name of a person from the NAME and NSURE fields of the primary
// name record: parts cleaned, surety applied, identifier added and, when a
// length is given, shortened step by step until it fits.
class NameFormatter {
public:
    explicit NameFormatter(const DatabaseOptions& options);

    // Removes excluded parts ("-..."), text in braces and text in brackets by
    // the ShowExcluded, ShowSensitive and ShowBrackets options.
    std::string CleanPart(const std::string& part) const;

    // name holds surname, prefix, given names and suffix separated by "~".
    // maxLength 0 means no limit.
    std::string FormatName(const std::string& name, const std::string& surety, std::int32_t person,
                           const std::string& reference, std::int32_t maxLength) const;

private:
    struct Parts {
        std::string prefix;
        std::string given;
        std::string surname;
        std::string suffix;
        std::string identifier;
        std::string Join() const;
    };
    // Abbreviates the last unabbreviated given name; false when none is left,
    // in which case the given names are run together.
    static bool AbbreviateGiven(Parts& parts);
    std::string Identifier(std::int32_t person, const std::string& reference) const;

    const DatabaseOptions& m_options;
};
