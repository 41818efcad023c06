#pragma once

#include <QString>

class QFileDevice;

// The system's reason for a failed write, close or rename of File, in its own
// words ("No space left on device", "File too large"). Qt reports a write that
// stopped part way, and every failure after QSaveFile's close, only as
// "Unknown error"; errno, taken right after the failing call, still has it.
// Empty when neither knows.
QString WriteFailure(const QFileDevice& File, int SavedErrno);
