#include "forms/theme.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QWidget>

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

void applyStyleSheet(QWidget* widget, const QString& sheet)
{
    if (widget->styleSheet() != sheet) {
        widget->setStyleSheet(sheet);
    }
}

void applyPanelTheme(QWidget* window)
{
    // Light blue and light violet: 6.0:1 on #323232, where Qt's default
    // blue and magenta give 1.5:1 and 4.1:1.
    QPalette palette = QApplication::palette();
    const QColor link(0x6c, 0xb6, 0xff);
    const QColor visited(0xc8, 0xa0, 0xff);
    if (palette.color(QPalette::Link) != link || palette.color(QPalette::LinkVisited) != visited) {
        palette.setColor(QPalette::Link, link);
        palette.setColor(QPalette::LinkVisited, visited);
        QApplication::setPalette(palette);
    }
    applyStyleSheet(window, panelStyleSheet());
}

void applyDialogTheme(QWidget* dialog)
{
    bool themedAbove = false;
    for (const QWidget* w = dialog->parentWidget(); w != nullptr && !themedAbove; w = w->parentWidget()) {
        themedAbove = w->styleSheet() == panelStyleSheet();
    }
    applyStyleSheet(dialog, themedAbove ? dialogStyleSheet() : panelStyleSheet() + dialogStyleSheet());
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
