#pragma once

#include <QStringList>

class QWidget;

// Placeholder until the style service lands.
class TStyleManager {
public:
    static void CaptureSystemStyle() {}
    static QStringList StyleNames() { return {QStringLiteral("Windows")}; }
    static bool TrySetStyle(const QString& Name, bool, QWidget* = nullptr) { return Name.compare(QStringLiteral("Windows"), Qt::CaseInsensitive) == 0; }
    static QString ActiveStyleName() { return QStringLiteral("Windows"); }
};
