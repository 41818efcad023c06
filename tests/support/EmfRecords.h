#pragma once

#include "formats/MetafileRecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>
#include <vector>

// A small EMF record walker for tests: splits a file into its records and
// reads little-endian fields. It stops at the first malformed record; a test
// compares what it walked with what the header claims.
struct TEmfRecord {
    uint32_t Type = 0;
    qsizetype Offset = 0; // from the start of the file
    uint32_t Size = 0;
};

class TEmfRecords {
public:
    explicit TEmfRecords(const QByteArray& Bytes) : FBytes(Bytes)
    {
        qsizetype at = 0;
        while (at + 8 <= FBytes.size()) {
            const uint32_t type = U32(at);
            const uint32_t size = U32(at + 4);
            if (size < 8 || size % 4 != 0 || at + size > FBytes.size()) {
                FMalformed = true;
                break;
            }
            FRecords.push_back({type, at, size});
            at += size;
            if (type == EMR_EOF)
                break;
        }
        FEnd = at;
    }

    const std::vector<TEmfRecord>& Records() const { return FRecords; }
    bool Malformed() const { return FMalformed; }
    // Where walking stopped: the file's size when it ended with EOF.
    qsizetype End() const { return FEnd; }

    std::vector<TEmfRecord> OfType(uint32_t Type) const
    {
        std::vector<TEmfRecord> found;
        for (const TEmfRecord& r : FRecords)
            if (r.Type == Type)
                found.push_back(r);
        return found;
    }
    int Count(uint32_t Type) const { return static_cast<int>(OfType(Type).size()); }
    std::vector<uint32_t> Types() const
    {
        std::vector<uint32_t> types;
        for (const TEmfRecord& r : FRecords)
            types.push_back(r.Type);
        return types;
    }

    // Fields at an offset inside a record.
    uint32_t U32(const TEmfRecord& R, qsizetype Offset) const { return U32(R.Offset + Offset); }
    int32_t I32(const TEmfRecord& R, qsizetype Offset) const { return static_cast<int32_t>(U32(R, Offset)); }
    uint16_t U16(const TEmfRecord& R, qsizetype Offset) const { return U16(R.Offset + Offset); }
    int16_t I16(const TEmfRecord& R, qsizetype Offset) const { return static_cast<int16_t>(U16(R, Offset)); }
    uint8_t U8(const TEmfRecord& R, qsizetype Offset) const
    {
        const qsizetype at = R.Offset + Offset;
        return at < FBytes.size() ? static_cast<uint8_t>(FBytes[at]) : 0;
    }
    QString Utf16(const TEmfRecord& R, qsizetype Offset, qsizetype Units) const
    {
        QString s;
        for (qsizetype i = 0; i < Units; ++i)
            s.append(QChar(U16(R, Offset + 2 * i)));
        return s;
    }

private:
    uint32_t U32(qsizetype At) const
    {
        if (At < 0 || At + 4 > FBytes.size())
            return 0;
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<uint8_t>(FBytes[At + i]);
        return v;
    }
    uint16_t U16(qsizetype At) const
    {
        if (At < 0 || At + 2 > FBytes.size())
            return 0;
        return static_cast<uint16_t>(static_cast<uint8_t>(FBytes[At]) | (static_cast<uint8_t>(FBytes[At + 1]) << 8));
    }

    QByteArray FBytes;
    std::vector<TEmfRecord> FRecords;
    bool FMalformed = false;
    qsizetype FEnd = 0;
};
