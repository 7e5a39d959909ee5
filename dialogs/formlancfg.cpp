#include "dialogs/formlancfg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/labelwrap.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "connection/hostlookup.h"
#include "forms/lanform.h"
#include "link/command.h"

QString lanSettingsProblem(const QString& host, const QString& port, bool useIpDirectly)
{
    const QString hostText = hostFromSetting(host).trimmed();
    if (hostText.isEmpty()) {
        return QCoreApplication::translate("formLanCFG", "Enter the Merax's IP address or host name.");
    }
    if (useIpDirectly && !isIpAddress(hostText)) {
        return directIpProblem(hostText);
    }
    if (!isValidPort(port)) {
        return QCoreApplication::translate("formLanCFG", "The port must be a number from 1 to 65535.");
    }
    return QString();
}

formLanCFG::formLanCFG(QWidget* parent, MainWindow* window)
    : QDialog(parent)
    , mainWindow(window)
    , ui(new LanForm)
{
    ui->build(this);
    // OK must not hide the dialog before the entries are checked:
    // on_buttonBox_accepted accepts once they are stored. The form connects
    // by signature, so only a disconnect by signature undoes it.
    disconnect(ui->buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Merax LAN Settings"));
    loadSettings();
    // A lone radio button that can be switched off again.
    ui->radioButton->setAutoExclusive(false);
    if (mainWindow->useIpDirectly) {
        ui->radioButton->setChecked(true);
    }
}

formLanCFG::~formLanCFG()
{
    delete ui;
}

void formLanCFG::loadSettings()
{
    SettingsStore settings(mainWindow->settingsFilePath());
    ui->lineEditIP->setText(settings.text(settingskey::Host));
    ui->lineEditPort->setText(settings.text(settingskey::Port));
}

bool formLanCFG::saveSettings()
{
    SettingsStore settings(mainWindow->settingsFilePath());
    // Stored as typed; the "http://" prefix goes only when applied.
    settings.setValue(settingskey::Host, ui->lineEditIP->text());
    settings.setValue(settingskey::Port, ui->lineEditPort->text());
    if (const auto written = settings.sync(); !written) {
        mainWindow->reportSettingsWriteFailure(written.notice);
        return false;
    }
    mainWindow->applySettings();
    return true;
}

void formLanCFG::on_buttonBox_accepted()
{
    const QString problem =
        lanSettingsProblem(ui->lineEditIP->text(), ui->lineEditPort->text(), ui->radioButton->isChecked());
    if (!problem.isEmpty()) {
        messages::warning(this, tr("Merax LAN Settings"), problem);
        return;
    }
    // Stays open when the file cannot be written, so the entries are not lost.
    if (saveSettings()) {
        // Hides; the dialog is deleted once the button box has delivered its signal.
        accept();
    }
}

void formLanCFG::on_radioButton_clicked()
{
    // Stored at once, either way: a host name then needs it off.
    mainWindow->setUseIpDirectly(ui->radioButton->isChecked());
}
