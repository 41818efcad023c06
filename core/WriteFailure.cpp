#include "core/WriteFailure.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

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

std::optional<QString> WriteWholeFile(const QString& FileName, const QByteArray& Bytes, bool DirectWriteFallback)
{
    QSaveFile File(FileName);
    File.setDirectWriteFallback(DirectWriteFallback);
    errno = 0;
    if (!File.open(QIODevice::WriteOnly))
        return WriteFailure(File, errno);
    // The bytes are buffered: only the flush shows whether they reached the
    // disk, and commit would forget why they did not.
    errno = 0;
    if (File.write(Bytes) != Bytes.size() || !File.flush()) {
        const QString Why = WriteFailure(File, errno);
        File.cancelWriting();
        return Why;
    }
    errno = 0;
    if (!File.commit() || File.error() != QFileDevice::NoError)
        return WriteFailure(File, errno);
    return std::nullopt;
}
