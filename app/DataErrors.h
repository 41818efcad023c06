#pragma once

#include <QString>

#include <stdexcept>

// A data text that cannot become series: every line empty, or a number in a
// column beyond the first line's last column.
class EDataError : public std::runtime_error {
public:
    explicit EDataError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A data file that cannot be read; carries the path and the reason.
class EFileError : public std::runtime_error {
public:
    EFileError(const QString& path, const QString& reason)
        : std::runtime_error(QStringLiteral("ファイル \"%1\" を読み込めません: %2").arg(path, reason).toStdString())
        , FPath(path)
    {
    }
    const QString& Path() const { return FPath; }

protected:
    // A message of its own, for sources that are no file.
    EFileError(const QString& path, const QString& message, int)
        : std::runtime_error(message.toStdString())
        , FPath(path)
    {
    }

private:
    QString FPath;
};

// A text that is not a file to read: a device, a pipe or a folder in place of
// a data file, or more than TDataImport::MaxDataBytes from any source.
// Refused before anything is read or changed.
class EInputRefused : public EFileError {
public:
    EInputRefused(const QString& source, const QString& message) : EFileError(source, message, 0) {}
};
