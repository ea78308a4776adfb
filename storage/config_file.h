#pragma once
// Access to one INI file of the config folder, section "config": the reads
// and writes of config.ini. Read and write failures are shown in the stock
// message box through Prompts.

#include <QString>

#include <cstdint>

class Prompts;

class ConfigFile {
public:
    ConfigFile(QString folder, Prompts& prompts);

    // Remembers folder/fileName when such a file exists; otherwise forgets
    // any path and returns false.
    bool Open(const QString& fileName);

    // The key's value in section "config", at most 511 characters; the default
    // when the key is missing. Empty (not the default) when no file is open or
    // the file has gone. When the read yields no characters at all (the key
    // is there with an empty value), the box "Can not read from Ini-File"
    // appears and the result is empty.
    QString ReadString(const QString& key, const QString& defaultText) const;

    // Writes key=value into section "config", keeping every other line and the
    // file's encoding; the file is replaced in one step. Does nothing when no
    // file is open or the file has gone. A failed write shows the box "Can not
    // write into Ini-File".
    void WriteString(const QString& key, const QString& value);

    const QString& path() const { return path_; }

private:
    bool FileExists() const;

    QString folder_;
    QString path_;
    Prompts& prompts_;
};

// Decimal text to integer as the settings read it: leading blanks, an optional
// sign, digits up to the first other character; no digits give 0.
int32_t IniInteger(const QString& text);
