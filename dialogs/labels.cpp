#include "dialogs/labels.h"
#include "forms/formhelpers.h"

#include <QLineEdit>
#include <QTextEdit>

#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "forms/labelsform.h"

labels::labels(QWidget* parent, MainWindow* window)
    : QDialog(parent)
    , ui(new LabelsForm)
    , mainWindow(window)
{
    ui->build(this);
    setAttribute(Qt::WA_DeleteOnClose);
    loadSettings();
}

labels::~labels()
{
    delete ui;
}

void labels::loadSettings()
{
    SettingsStore settings(mainWindow->settingsFilePath());
    // Plain text both ways, so a caption that looks like markup survives.
    for (int n = 1; n <= 12; ++n) {
        ui->antennaEditors[n - 1]->setPlainText(settings.value(numbered("K", n)).toString());
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpiEditors[n - 1]->setPlainText(settings.value(numbered("GPI", n)).toString());
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpoEditors[n - 1]->setPlainText(settings.value(numbered("GPO", n)).toString());
    }
    ui->lineEditID->setText(settings.value(QStringLiteral("ID")).toString());
}

bool labels::saveSettings()
{
    SettingsStore settings(mainWindow->settingsFilePath());
    for (int n = 1; n <= 12; ++n) {
        settings.setValue(numbered("K", n), ui->antennaEditors[n - 1]->toPlainText());
    }
    for (int n = 1; n <= 8; ++n) {
        settings.setValue(numbered("GPI", n), ui->gpiEditors[n - 1]->toPlainText());
    }
    for (int n = 1; n <= 8; ++n) {
        settings.setValue(numbered("GPO", n), ui->gpoEditors[n - 1]->toPlainText());
    }
    settings.setValue(QStringLiteral("ID"), ui->lineEditID->text());
    if (!settings.sync()) {
        mainWindow->reportSettingsWriteFailure();
        return false;
    }
    mainWindow->applySettings();
    return true;
}

void labels::on_botaoOK_clicked()
{
    // When the file cannot be written the dialog stays open, so the typed
    // captions are not lost.
    if (saveSettings()) {
        accept();
    }
}

void labels::on_botaoCancel_clicked()
{
    reject();
}
