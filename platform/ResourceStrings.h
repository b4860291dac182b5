#pragma once

#include <string>

// Identifiers of the program's fixed texts (status texts, dialog filters, panes).
enum : unsigned int {
    IDS_PLEASE_WAIT = 130,
    IDS_IMAGE_FILE_FILTER = 32781,
    IDS_IMAGE_FILE_EXTENSION = 32782,
    IDS_COMMAND_FILE_FILTER = 32804,
    IDS_COMMAND_FILE_EXTENSION = 32805,
    IDS_IDLE_MESSAGE = 57345,
    IDS_INDICATOR_CAPS = 59137,
    IDS_INDICATOR_NUM = 59138,
    IDS_INDICATOR_SCRL = 59139,
    // The names of the units of measure, by code from 0.
    IDS_UNIT_INCHES = 22118,
    IDS_UNIT_POINTS = 22126,
};

class ResourceStrings {
public:
    // The text with that identifier; empty for an identifier the program does not have.
    static std::string Load(unsigned int id);
};
