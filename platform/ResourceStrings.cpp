#include "platform/ResourceStrings.h"

std::string ResourceStrings::Load(unsigned int id)
{
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
