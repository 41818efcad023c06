#pragma once

#include <QByteArray>

// A byte buffer with a position, for the binary-stream reads and writes.
struct TByteStream {
    QByteArray Bytes;
    qsizetype Position = 0;
};
