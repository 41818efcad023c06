#pragma once

#include <QString>

#include <stdexcept>

// A chart picture that cannot be written: names the file and the reason.
class EExportError : public std::runtime_error {
public:
    EExportError(const QString& Path, const QString& Reason)
        : std::runtime_error(QStringLiteral("ファイル \"%1\" に書き込めません: %2").arg(Path, Reason).toStdString()),
          FPath(Path)
    {
    }
    const QString& Path() const { return FPath; }

private:
    QString FPath;
};
