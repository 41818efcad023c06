#pragma once

#include <QColor>
#include <QIcon>

// Placeholder until the icons land.
namespace ToolIcons {
inline QIcon ToolIcon(const QString&, const QColor&) { return QIcon(); }
inline QIcon CheckIcon() { return QIcon(); }
inline QIcon AppIcon() { return QIcon(); }
}
