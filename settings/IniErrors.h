#pragma once

#include <QString>

#include <exception>
#include <string>

// A settings file that cannot be read or written. The message names the path
// and the reason, because it reaches the user as it stands.
class EIniFileError : public std::exception {
public:
    EIniFileError(const QString& path, const QString& reason)
        : FPath(path), FReason(reason),
          FMessage((path.isEmpty() ? QStringLiteral("Settings file: %1").arg(reason)
                                   : QStringLiteral("Settings file \"%1\": %2").arg(path, reason))
                       .toStdString())
    {
    }

    const char* what() const noexcept override { return FMessage.c_str(); }
    const QString& Path() const { return FPath; }
    const QString& Reason() const { return FReason; }

private:
    QString FPath;
    QString FReason;
    std::string FMessage;
};

// A stored text that is not of the kind asked for (ReadHex of "12"), or a
// value that cannot be stored as text of its kind.
class EConvertError : public std::exception {
public:
    explicit EConvertError(const QString& message) : FMessage(message.toStdString()) {}

    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};
