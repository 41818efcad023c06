#include "chart/canvas/FontSubstitutions.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <mutex>

void RegisterFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Each Latin face is followed by a Japanese one, so that Japanese text in
        // a Latin face ("タイトル" in Arial) takes its glyphs from a known face
        // instead of whatever the font configuration falls back to.
        const QString gothic = QStringLiteral("IPAPGothic");
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), gothic});
        QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"), {gothic});
        QFont::insertSubstitutions(QStringLiteral("MS PGothic"), {gothic});
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), {gothic, QStringLiteral("Liberation Sans")});
    });
}
