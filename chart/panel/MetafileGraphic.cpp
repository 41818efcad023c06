#include "chart/panel/MetafileGraphic.h"

#include "formats/EmfPlayer.h"
#include "formats/WmfPlayer.h"

#include <QPainter>
#include <QRectF>

#include <cmath>
#include <stdexcept>

TMetafileGraphic::~TMetafileGraphic() = default;

std::unique_ptr<TMetafileGraphic> TMetafileGraphic::FromBytes(QByteArray Bytes)
{
    if (Bytes.size() > MaxBytes)
        throw std::runtime_error("Invalid metafile picture: the file is larger than 64 MB");
    std::unique_ptr<TMetafileGraphic> graphic(new TMetafileGraphic);
    graphic->FBytes = std::move(Bytes);
    // The players keep a view of the bytes the graphic owns.
    const TByteReader reader(reinterpret_cast<const uchar*>(graphic->FBytes.constData()), graphic->FBytes.size());
    if (TEmfPlayer::LooksLikeEmf(reader))
        graphic->FEmf = std::make_unique<TEmfPlayer>(reader);
    else if (TWmfPlayer::LooksLikeWmf(reader))
        graphic->FWmf = std::make_unique<TWmfPlayer>(reader);
    else if (reader.Size() < 18)
        throw std::runtime_error("Invalid metafile picture: the file is too short");
    else
        throw std::runtime_error("Invalid metafile picture: the file is neither EMF nor WMF");
    return graphic;
}

QSize TMetafileGraphic::Size() const
{
    if (FEmf)
        return FEmf->Size();
    if (FWmf)
        return FWmf->Size();
    return {};
}

void TMetafileGraphic::Draw(QPainter& painter, const QRectF& target, bool smooth) const
{
    if (target.isEmpty() || !std::isfinite(target.width()) || !std::isfinite(target.height()))
        return;
    if (FEmf)
        FEmf->Play(painter, target, smooth);
    else if (FWmf)
        FWmf->Play(painter, target, smooth);
}
