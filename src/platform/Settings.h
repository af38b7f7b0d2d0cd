#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace platform {

// An INI settings file (Forms.ini), read and written by section and key, opened and
// closed within one action.
class IniFile {
public:
    // Raises RaisedError when the path holds something that is not a readable settings
    // file (a FIFO, a device, a folder, a file over textfile::kMaxFileSize, no permission).
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // The key's value as a whole number; empty when the key is missing or its value is
    // not a whole number.
    std::optional<int> readInteger(const QString &section, const QString &key) const;
    int readInteger(const QString &section, const QString &key, int fallback) const;

    void writeInteger(const QString &section, const QString &key, int value);

    // Writes the changes to disk; raises RaisedError when the file cannot be written.
    void save();

private:
    QString m_path;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace platform
