#pragma once
#include <QString>

#include <utility>

namespace quorlex {

// The program's settings file: single values of a Shift_JIS INI file, read and written under
// the Windows private-profile rules (see IniText). Reading never fails; a write replaces the
// file in one step and says whether it succeeded.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString iniFile);

    // Full path of the INI file.
    const QString& iniFile() const { return m_iniFile; }
    void setIniFile(QString iniFile) { m_iniFile = std::move(iniFile); }

    // The value of key in section, or defaultValue when the file, the section
    // or the key is missing or the file cannot be read (a pipe, a device or a huge file at the
    // path counts as unreadable). A present empty key gives "".
    QString GetIni(const QString& section, const QString& key, const QString& defaultValue) const;

    // Stores value as the value of key in section, creating the file, the
    // section or the key as needed. The file is not touched when it already holds the value.
    // False when the file could not be read or written (it is then left as it was) or when the
    // names or the value cannot be stored so that they read back the same.
    bool SetIni(const QString& section, const QString& key, const QString& value);

private:
    QString m_iniFile;
};

} // namespace quorlex
