#include "platform/ResourceStrings.h"

namespace {

constexpr const char* kUnitNames[IDS_UNIT_POINTS - IDS_UNIT_INCHES + 1] = {
    "Inches", "Feet", "Yards", "Miles", "Millimeters", "Centimeters", "Meters", "Kilometers", "Points"};

}  // namespace

std::string ResourceStrings::Load(unsigned int id)
{
    if (id >= IDS_UNIT_INCHES && id <= IDS_UNIT_POINTS)
        return kUnitNames[id - IDS_UNIT_INCHES];
    switch (id) {
    case IDS_PLEASE_WAIT:
        return "Please Wait....";
    case IDS_COMMAND_FILE_FILTER:
        return "Quorrel Command Files |*.ini;*.qrc|Quorrel Command INI Files (*.ini)|*.ini|"
               "Quorrel Command QRC Files (*.qrc)|*.qrc|All Files (*.*)|*.*||";
    case IDS_COMMAND_FILE_EXTENSION:
        return "ini";
    case IDS_IDLE_MESSAGE:
        return "For Help, press F1";
    case IDS_INDICATOR_CAPS:
        return "CAP";
    case IDS_INDICATOR_NUM:
        return "NUM";
    case IDS_INDICATOR_SCRL:
        return "SCRL";
    default:
        return {};
    }
}
