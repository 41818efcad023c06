#pragma once

#include <QByteArray>
#include <QRect>

#include <cstdint>

// Byte-level building of EMF records: little-endian fields appended to one
// buffer, each record's size patched in (and padded to four bytes) when it ends.
class TEmfWriter {
public:
    void Clear();

    void BeginRecord(uint32_t Type);
    void EndRecord();

    void U8(uint8_t Value);
    void U16(uint16_t Value);
    void I16(int16_t Value) { U16(static_cast<uint16_t>(Value)); }
    void U32(uint32_t Value);
    void I32(int32_t Value) { U32(static_cast<uint32_t>(Value)); }
    void F32(float Value);
    // An inclusive RECTL: left, top, right, bottom.
    void Rectl(const QRect& Box);
    void Rectl(int Left, int Top, int Right, int Bottom);
    void Raw(const char* Data, qsizetype Size);
    void Zeros(qsizetype Count);
    // Pads the buffer to a multiple of four bytes.
    void Align4();

    // Offset of the field about to be written, counted from the open record's start.
    uint32_t RecordOffset() const { return static_cast<uint32_t>(FData.size() - IRecordStart); }
    void PatchU32(qsizetype Offset, uint32_t Value);

    int Records() const { return FRecords; }
    qsizetype Size() const { return FData.size(); }
    const QByteArray& Data() const { return FData; }

private:
    QByteArray FData;
    qsizetype IRecordStart = -1;
    int FRecords = 0;
};
