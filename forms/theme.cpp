#include "forms/theme.h"

#include <QFile>

// Q_INIT_RESOURCE declares the registration function in the enclosing
// namespace, so this stays at global scope.
void initFormResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {

QString loadSheet(const QString& path)
{
    initFormResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Style sheet %s is missing", qPrintable(path));
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString panelStyleSheet()
{
    static const QString sheet = loadSheet(QStringLiteral(":/styles/panel.qss"));
    return sheet;
}

QString dialogStyleSheet()
{
    static const QString sheet = loadSheet(QStringLiteral(":/styles/dialog.qss"));
    return sheet;
}

QIcon applicationIcon()
{
    initFormResources();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/zarel-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
