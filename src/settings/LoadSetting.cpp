#include "settings/LoadSetting.h"

#include "core/InsertionSettings.h"
#include "core/Numbers.h"
#include "settings/IniFile.h"

namespace quorlex {

bool LoadSetting(const IniFile& ini, InsertionSettings& settings)
{
    settings.UpperCaseTags
        = ini.GetIni(QStringLiteral("HTML"), QStringLiteral("TagCase"), QStringLiteral("0"))
        == QStringLiteral("0");
    const std::optional<qint16> value = storedPreviewSave(ini);
    if (!value)
        return false;
    settings.PreviewSave = *value;
    return true;
}

std::optional<qint16> storedPreviewSave(const IniFile& ini)
{
    const auto number
        = ToNumber(ini.GetIni(QStringLiteral("Main"), QStringLiteral("PreviewSave"), QStringLiteral("1")));
    return number ? toWholeNumber<qint16>(*number) : std::nullopt;
}

} // namespace quorlex
