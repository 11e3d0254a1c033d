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
    const QString preview
        = ini.GetIni(QStringLiteral("Main"), QStringLiteral("PreviewSave"), QStringLiteral("1"));
    const auto number = ToNumber(preview);
    const auto value = number ? toWholeNumber<qint16>(*number) : std::nullopt;
    if (!value)
        return false;
    settings.PreviewSave = *value;
    return true;
}

} // namespace quorlex
