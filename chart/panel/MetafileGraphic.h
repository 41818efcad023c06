#pragma once

#include "chart/canvas/Graphic.h"

#include <QByteArray>

#include <memory>

class TEmfPlayer;
class TWmfPlayer;

// A metafile picture (EMF or WMF) kept as its bytes and played onto the
// painter at any size.
class TMetafileGraphic : public TGraphic {
public:
    // Larger files are refused before they are read.
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;

    ~TMetafileGraphic() override;

    // Throws std::runtime_error with the reason when `Bytes` is neither a
    // sound EMF nor a sound WMF (the header and the chain of records).
    static std::unique_ptr<TMetafileGraphic> FromBytes(QByteArray Bytes);

    TKind Kind() const override { return gkMetafile; }
    bool IsEmpty() const override { return Size().isEmpty(); }
    QSize Size() const override;
    void Draw(QPainter& painter, const QRectF& target, bool smooth) const override;

    const QByteArray& Bytes() const { return FBytes; }
    bool Enhanced() const { return FEmf != nullptr; }

private:
    TMetafileGraphic() = default;

    QByteArray FBytes;
    std::unique_ptr<TEmfPlayer> FEmf;
    std::unique_ptr<TWmfPlayer> FWmf;
};
