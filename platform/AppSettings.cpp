#include "platform/AppSettings.h"

#include "platform/QtText.h"

#include <QSettings>

namespace {

// $XDG_CONFIG_HOME/Quorrel/Quorrel.ini (or ~/.config when the variable is unset).
class Settings : public QSettings {
public:
    Settings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorrel"), QStringLiteral("Quorrel"))
    {
    }
};

QString KeyPath(const std::string& section, const std::string& key)
{
    return QtText::Decode(section) + QLatin1Char('/') + QtText::Decode(key);
}

bool Write(const std::string& section, const std::string& key, const QVariant& value)
{
    Settings settings;
    settings.setValue(KeyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

std::string AppSettings::FilePath()
{
    return QtText::EncodeUtf8(Settings().fileName());
}

std::int32_t AppSettings::GetInt(const std::string& section, const std::string& key, std::int32_t fallback)
{
    bool ok = false;
    const int value = Settings().value(KeyPath(section, key)).toInt(&ok);
    return ok ? value : fallback;
}

std::string AppSettings::GetString(const std::string& section, const std::string& key, const std::string& fallback)
{
    const QVariant value = Settings().value(KeyPath(section, key));
    return value.isValid() ? QtText::Encode(value.toString()) : fallback;
}

bool AppSettings::WriteInt(const std::string& section, const std::string& key, std::int32_t value)
{
    return Write(section, key, value);
}

bool AppSettings::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return Write(section, key, QtText::Decode(value));
}
