#include "dialogs/labels.h"

#include <QLineEdit>
#include <QTextEdit>

#include "app/mainwindow.h"
#include "app/settingskeys.h"
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
    for (int n = 1; n <= group::Antennas; ++n) {
        ui->antennaEditors[n - 1]->setPlainText(settings.text(settingskey::antennaCaption(n)));
    }
    for (int n = 1; n <= group::Gpis; ++n) {
        ui->gpiEditors[n - 1]->setPlainText(settings.text(settingskey::gpiCaption(n)));
    }
    for (int n = 1; n <= group::Gpos; ++n) {
        ui->gpoEditors[n - 1]->setPlainText(settings.text(settingskey::gpoCaption(n)));
    }
    const QString id = settings.text(settingskey::StationId);
    // An ID written longer by hand is shown and stored whole rather than cut;
    // typing still cannot make it longer than the form allows or than it is.
    ui->lineEditID->setMaxLength(qMax(ui->lineEditID->maxLength(), id.size()));
    ui->lineEditID->setText(id);
}

bool labels::saveSettings()
{
    SettingsStore settings(mainWindow->settingsFilePath());
    for (int n = 1; n <= group::Antennas; ++n) {
        settings.setValue(settingskey::antennaCaption(n), ui->antennaEditors[n - 1]->toPlainText());
    }
    for (int n = 1; n <= group::Gpis; ++n) {
        settings.setValue(settingskey::gpiCaption(n), ui->gpiEditors[n - 1]->toPlainText());
    }
    for (int n = 1; n <= group::Gpos; ++n) {
        settings.setValue(settingskey::gpoCaption(n), ui->gpoEditors[n - 1]->toPlainText());
    }
    settings.setValue(settingskey::StationId, ui->lineEditID->text());
    if (const auto written = settings.sync(); !written) {
        mainWindow->reportSettingsWriteFailure(written.notice);
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
