#include "core/WriteFailure.h"

#include <QFile>

#include <cstring>

QString WriteFailure(const QFileDevice& File, int SavedErrno)
{
    const QString Text = File.errorString();
    if (File.error() != QFileDevice::NoError && !Text.isEmpty() && Text != QFile().errorString())
        return Text;
    if (SavedErrno != 0)
        return QString::fromLocal8Bit(std::strerror(SavedErrno));
    return {};
}
