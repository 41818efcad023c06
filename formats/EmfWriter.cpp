#include "formats/EmfWriter.h"

#include <cstring>

void TEmfWriter::Clear()
{
    FData.clear();
    IRecordStart = -1;
    FRecords = 0;
}

void TEmfWriter::BeginRecord(uint32_t Type)
{
    IRecordStart = FData.size();
    U32(Type);
    U32(0); // size, patched by EndRecord
}

void TEmfWriter::EndRecord()
{
    if (IRecordStart < 0)
        return;
    Align4();
    PatchU32(IRecordStart + 4, static_cast<uint32_t>(FData.size() - IRecordStart));
    IRecordStart = -1;
    ++FRecords;
}

void TEmfWriter::U8(uint8_t Value) { FData.append(static_cast<char>(Value)); }

void TEmfWriter::U16(uint16_t Value)
{
    const char bytes[2] = {static_cast<char>(Value & 0xFF), static_cast<char>(Value >> 8)};
    FData.append(bytes, 2);
}

void TEmfWriter::U32(uint32_t Value)
{
    const char bytes[4] = {static_cast<char>(Value & 0xFF), static_cast<char>((Value >> 8) & 0xFF),
                           static_cast<char>((Value >> 16) & 0xFF), static_cast<char>(Value >> 24)};
    FData.append(bytes, 4);
}

void TEmfWriter::F32(float Value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &Value, sizeof bits);
    U32(bits);
}

void TEmfWriter::Rectl(const QRect& Box) { Rectl(Box.left(), Box.top(), Box.right(), Box.bottom()); }

void TEmfWriter::Rectl(int Left, int Top, int Right, int Bottom)
{
    I32(Left);
    I32(Top);
    I32(Right);
    I32(Bottom);
}

void TEmfWriter::Raw(const char* Data, qsizetype Size) { FData.append(Data, Size); }

void TEmfWriter::Zeros(qsizetype Count) { FData.append(Count, '\0'); }

void TEmfWriter::Align4()
{
    while (FData.size() % 4 != 0)
        FData.append('\0');
}

void TEmfWriter::PatchU32(qsizetype Offset, uint32_t Value)
{
    if (Offset < 0 || Offset + 4 > FData.size())
        return;
    for (int i = 0; i < 4; ++i)
        FData[Offset + i] = static_cast<char>((Value >> (8 * i)) & 0xFF);
}
