#include "settings/IniFile.h"

#include "files/FileOps.h"
#include "settings/IniText.h"

#include <QFile>

namespace quorlex {

IniFile::IniFile(QString iniFile)
    : m_iniFile(std::move(iniFile))
{
}

QString IniFile::GetIni(const QString& AppName, const QString& Section, const QString& Default) const
{
    QFile file(m_iniFile);
    if (m_iniFile.isEmpty() || !file.open(QIODevice::ReadOnly))
        return Default;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Default;
    return IniText::value(content, AppName, Section).value_or(Default);
}

bool IniFile::SetIni(const QString& AppName, const QString& Section, const QString& Text)
{
    if (m_iniFile.isEmpty())
        return false;

    // A file that exists but cannot be read must not be replaced by the one new line.
    QByteArray content;
    QFile current(m_iniFile);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly))
            return false;
        content = current.readAll();
        if (current.error() != QFileDevice::NoError)
            return false;
        current.close();
    }

    const IniText::Edit edit = IniText::withValue(content, AppName, Section, Text);
    if (edit.result != IniText::EditResult::Changed)
        return edit.result == IniText::EditResult::Unchanged;

    // Written beside the old file and renamed over it, so a failure never leaves half a file.
    return !replaceFile(m_iniFile, edit.content);
}

} // namespace quorlex
