// The Help and File menu items that open dialogs. The dialogs are modeless
// but Remote Access, which holds the window while it is open; each releases
// itself when closed.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/mainwindow.h"
#include "dialogs/about.h"
#include "dialogs/bandfollowdialog.h"
#include "dialogs/formlancfg.h"
#include "dialogs/labels.h"
#include "forms/panelform.h"
#include "forms/theme.h"
#include "panel/journalpanel.h"
#include "panel/panelaccess.h"
#include "panel/remotepanel.h"
#include "panel/rotatorpanel.h"

namespace {

QString keyName(const QKeySequence& key)
{
    return key.toString(QKeySequence::NativeText);
}

QString keyRange(int first, int last)
{
    return QStringLiteral("%1 \u2026 %2").arg(keyName(QKeySequence(first)), keyName(QKeySequence(last)));
}

} // namespace

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::aboutQt(this, tr("About Qt"));
}

void MainWindow::on_actionAbout_Quorvan_triggered()
{
    auto* dialog = new about(this);
    dialog->show();
}

void MainWindow::on_actionLabels_triggered()
{
    auto* dialog = new labels(this, this);
    dialog->show();
}

// The panel's keys as panel/panelaccess.cpp and the F-keys define them; the
// key and lamp names are the device's and stay untranslated.
void MainWindow::on_actionKeys_triggered()
{
    if (auto* open = findChild<QDialog*>(QStringLiteral("keysDialog"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    const QStringList lines {
        QStringLiteral("%1: Ant 1 \u2026 Ant 12").arg(keyRange(Qt::Key_F1, Qt::Key_F12)),
        QStringLiteral("%1: RELEASE").arg(keyName(QKeySequence(Qt::CTRL + Qt::Key_R))),
        QStringLiteral("%1: SPLIT").arg(keyName(QKeySequence(Qt::CTRL + Qt::Key_S))),
        QStringLiteral("%1: RTX").arg(keyName(QKeySequence(Qt::ALT + Qt::Key_0))),
        QStringLiteral("%1: RX 1 \u2026 RX 4").arg(keyRange(Qt::ALT + Qt::Key_1, Qt::ALT + Qt::Key_4)),
        QStringLiteral("%1: GPO 1 \u2026 GPO 8").arg(keyRange(Qt::CTRL + Qt::Key_1, Qt::CTRL + Qt::Key_8)),
        QStringLiteral("%1: %2").arg(keyName(ui->actionNext_Antenna->shortcut()),
                                     ui->actionNext_Antenna->text().remove(QLatin1Char('&'))),
        tr("%1: says the whole state").arg(keyName(QKeySequence(Qt::CTRL + Qt::Key_I))),
        tr("%1: turns the selected antenna's rotator").arg(keyName(ui->actionTurn_Antenna->shortcut())),
        tr("%1 or the menu key on a GPI or GPO key: picks its colour")
            .arg(keyName(QKeySequence(Qt::SHIFT + Qt::Key_F10))),
        tr("Tab, Shift+Tab: the next or the previous key; Space presses it"),
        tr("Alt and a menu's underlined letter: the menus"),
    };
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("keysDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    applyDialogTheme(dialog);
    dialog->setWindowTitle(tr("Keys"));
    // A read-only text rather than a label: a screen reader reads it line by
    // line, and the focus starts on it. Escape closes the dialog.
    auto* table = new QPlainTextEdit(lines.join(QLatin1Char('\n')), dialog);
    table->setObjectName(QStringLiteral("keysTable"));
    table->setReadOnly(true);
    table->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    table->setTabChangesFocus(true);
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->setAccessibleName(tr("Keys"));
    const QFontMetrics metrics(table->font());
    int widest = 0;
    for (const QString& line : lines) {
        widest = qMax(widest, metrics.horizontalAdvance(line));
    }
    table->setMinimumSize(widest + 4 * metrics.averageCharWidth(), metrics.lineSpacing() * (lines.size() + 1));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    table->setFocus();
    dialog->show();
}

void MainWindow::on_actionLAN_Settings_triggered()
{
    auto* dialog = new formLanCFG(this, this);
    dialog->show();
}

void MainWindow::on_actionBand_Following_triggered()
{
    // One at a time: a second would show a setting the first one changes.
    if (auto* open = findChild<BandFollowDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new BandFollowDialog(this, bandFollow(), settingsPath);
    // Antennas renamed in Labels show while it is open.
    connect(this, &MainWindow::settingsApplied, dialog, &BandFollowDialog::showAntennaNames);
    connect(dialog, &BandFollowDialog::announcement, this, [this](const QString& text) { access->announce(text); });
    dialog->show();
}

void MainWindow::on_actionRotators_Setup_triggered()
{
    rotators->openSettings();
}

void MainWindow::on_actionRotators_Window_triggered()
{
    rotators->openWindow();
}

void MainWindow::on_actionJournal_triggered()
{
    journal->openWindow();
}

void MainWindow::on_actionRemote_Access_triggered()
{
    remote->openDialog();
}

void MainWindow::on_actionTurn_Antenna_triggered()
{
    // Only an antenna the panel shows as the device's.
    const quint8 selected = deviceState.selectedAntenna;
    rotators->turnSelected(paintCache.showsState && selected < group::Antennas ? selected : -1);
}
