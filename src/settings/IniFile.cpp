#include "settings/IniFile.h"

#include "files/FileOps.h"
#include "settings/IniText.h"

namespace quorlex {

IniFile::IniFile(QString iniFile)
    : m_iniFile(std::move(iniFile))
{
}

QString IniFile::GetIni(const QString& section, const QString& key, const QString& defaultValue) const
{
    // A pipe, a device or a huge file at the path counts as no file, rather than hanging or
    // filling the memory.
    QByteArray content;
    if (m_iniFile.isEmpty() || readSmallFile(m_iniFile, content))
        return defaultValue;
    return IniText::value(content, section, key).value_or(defaultValue);
}

bool IniFile::SetIni(const QString& section, const QString& key, const QString& value)
{
    if (m_iniFile.isEmpty())
        return false;

    // A file that exists but cannot be read (or is no settings file at all: a pipe, a device,
    // a huge file) must not be replaced by the one new line.
    QByteArray content;
    if (const std::error_code error = readSmallFile(m_iniFile, content);
        error && error != std::errc::no_such_file_or_directory)
        return false;

    const IniText::Edit edit = IniText::withValue(content, section, key, value);
    if (edit.result != IniText::EditResult::Changed)
        return edit.result == IniText::EditResult::Unchanged;

    // Replaced in one step, or written in place with the old bytes put back on failure: a
    // failure never leaves half a file.
    return !replaceFile(m_iniFile, edit.content);
}

} // namespace quorlex
