#pragma once

#include <QString>

#include <optional>

class QByteArray;
class QFileDevice;

// The system's reason for a failed write, close or rename of File, in its own
// words ("No space left on device", "File too large"). Qt reports a write that
// stopped part way, and every failure after QSaveFile's close, only as
// "Unknown error"; errno, taken right after the failing call, still has it.
// Empty when neither knows.
QString WriteFailure(const QFileDevice& File, int SavedErrno);

// Writes Bytes to FileName through a temporary file, so that the old file
// stays whole until the new one is (a link to a file is written through).
// DirectWriteFallback: where no temporary file can be made, write in place.
// Nothing on success, else the reason (empty when none is known).
std::optional<QString> WriteWholeFile(const QString& FileName, const QByteArray& Bytes, bool DirectWriteFallback);
