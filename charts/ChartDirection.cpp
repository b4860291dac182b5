#include "charts/ChartDirection.h"

#include "platform/CommandFile.h"
#include "platform/TextCodec.h"

#include <string>

ConnectDirection ReadChartDirection(const CommandFile& file, const char* section, ConnectDirection fallback)
{
    static constexpr struct {
        const char* name;
        ConnectDirection direction;
    } kNames[] = {
        {"RIGHT", ConnectDirection::Right},
        {"LEFT", ConnectDirection::Left},
        {"UP", ConnectDirection::Above},
        {"DOWN", ConnectDirection::Below},
    };
    const std::string name = TextCodec::ToUpper(file.GetString(section, "Direction"));
    for (const auto& entry : kNames)
        if (name == entry.name)
            return entry.direction;
    return fallback;
}
