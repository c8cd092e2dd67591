#pragma once
// option.ini, the program's settings file beside the executable.
//
// Every read and every write opens the file by its path, does one key
// operation and closes it again: there is no cache, a write reaches the
// disk at once and the next read sees it. Text is UTF-8 and values are
// stored as they are, without quoting or escaping; the file is created by
// its first write.

#include <QString>

#include <optional>
#include <stdexcept>

namespace platform {
class Platform;
}

namespace settings {

// A write that the file system refused. what() is "Unable to write to
// <full path of the file>".
class OptionWriteError : public std::runtime_error {
public:
    explicit OptionWriteError(const QString& path);
};

class OptionFile {
public:
    explicit OptionFile(QString path);

    QString path() const { return path_; }
    bool exists() const;

    // The value of `key` in `section`. A key that is absent, empty or holds
    // the text "Error" counts as missing and gives nullopt, as does a file
    // that does not exist or cannot be read.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Stores one value at once, creating the file and the section when
    // needed and keeping everything else in the file. Throws
    // OptionWriteError when the file cannot be written, and for a value
    // with a line break, which a one-line entry cannot hold.
    void write(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
};

// The program's option.ini: the executable folder followed by "/option.ini".
OptionFile optionFileOf(const platform::Platform& platform);

}  // namespace settings
