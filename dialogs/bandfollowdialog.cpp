#include "dialogs/bandfollowdialog.h"

#include <QKeyEvent>
#include <QPushButton>

#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "forms/bandfollowform.h"
#include "panel/bandfollowing.h"

BandFollowDialog::BandFollowDialog(QWidget* parent, BandFollowing* following, const QString& settingsPath)
    : QDialog(parent)
    , ui(new BandFollowForm)
    , following(following)
    , settingsPath(settingsPath)
{
    ui->build(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // Below the floor a break-in gap could pass for the end of a transmission.
    ui->spinTxHangMs->setMinimum(TransmitGuard::minimumHangMs);
    ui->spinTxHangMs->setToolTip(tr("Shorter waits cannot tell a break-in gap from the end of a transmission: "
                                    "%1 ms is the least")
                                     .arg(TransmitGuard::minimumHangMs));
    load();

    using Radio = QRadioButton;
    for (Radio* radio : {ui->radioOff, ui->radioRigctld, ui->radioLogger}) {
        connect(radio, &Radio::toggled, this, [this](bool on) {
            // Two toggles per change of source: act on the one switched on.
            if (on) {
                apply();
            }
        });
    }
    // Typed fields apply when the operator is done with them, so the rigctld
    // client does not reconnect on every digit.
    for (QLineEdit* edit : {ui->lineEditRigHost, ui->lineEditLoggerHost, ui->lineEditLoggerStation}) {
        connect(edit, &QLineEdit::editingFinished, this, &BandFollowDialog::apply);
    }
    for (QSpinBox* spin : {ui->spinRigPort, ui->spinLoggerPort, ui->spinLoggerRadio, ui->spinTxHangMs}) {
        connect(spin, &QSpinBox::editingFinished, this, &BandFollowDialog::apply);
    }
    for (QComboBox* combo : ui->bandAntennas) {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, &BandFollowDialog::apply);
    }
    connect(ui->checkRemember, &QCheckBox::toggled, this, &BandFollowDialog::apply);
    connect(ui->checkHoldManual, &QCheckBox::toggled, this, &BandFollowDialog::apply);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A field still being edited when the dialog closes counts too.
    connect(this, &QDialog::finished, this, &BandFollowDialog::apply);
    connect(following, &BandFollowing::configChanged, this, &BandFollowDialog::load);
}

BandFollowDialog::~BandFollowDialog()
{
    delete ui;
}

void BandFollowDialog::load()
{
    loading = true;
    const BandFollowConfig& c = following->config();
    using Kind = RadioSourceSettings::Kind;
    ui->radioOff->setChecked(c.source.kind == Kind::Off);
    ui->radioRigctld->setChecked(c.source.kind == Kind::Rigctld);
    ui->radioLogger->setChecked(c.source.kind == Kind::Logger);
    ui->lineEditRigHost->setText(c.source.rigHost);
    ui->spinRigPort->setValue(c.source.rigPort);
    ui->spinLoggerPort->setValue(c.source.loggerPort);
    ui->spinLoggerRadio->setValue(c.source.loggerRadio);
    ui->lineEditLoggerHost->setText(c.source.loggerHost);
    ui->lineEditLoggerStation->setText(c.source.loggerStation);
    ui->spinTxHangMs->setValue(c.txHangMs);
    ui->checkRemember->setChecked(c.remember);
    ui->checkHoldManual->setChecked(c.holdManual);

    showAntennaNames();
    for (int b = 0; b < bandplan::BandCount; ++b) {
        ui->bandAntennas[b]->setCurrentIndex(c.antennas[std::size_t(b)]);
    }
    enableSourceFields();
    loading = false;
}

void BandFollowDialog::showAntennaNames()
{
    // On one line each.
    SettingsStore settings(settingsPath);
    QStringList names {tr("None")};
    for (int n = 1; n <= group::Antennas; ++n) {
        const QString caption = settings.text(settingskey::antennaCaption(n)).simplified();
        names << (caption.isEmpty() ? tr("Ant %1").arg(n) : tr("Ant %1 \u00b7 %2").arg(n).arg(caption));
    }
    const bool wasLoading = loading;
    loading = true;
    for (QComboBox* combo : ui->bandAntennas) {
        // Renamed in place: the choice and an open list stay as they are.
        if (combo->count() == names.size()) {
            for (int i = 0; i < names.size(); ++i) {
                combo->setItemText(i, names.at(i));
            }
        } else {
            combo->clear();
            combo->addItems(names);
        }
    }
    loading = wasLoading;
}

void BandFollowDialog::apply()
{
    if (loading) {
        return;
    }
    BandFollowConfig c = following->config();
    using Kind = RadioSourceSettings::Kind;
    c.source.kind = ui->radioRigctld->isChecked() ? Kind::Rigctld
        : ui->radioLogger->isChecked()            ? Kind::Logger
                                                  : Kind::Off;
    // The sources' own rule: a host they would not take is not stored.
    if (const std::optional<QString> host = bandfollowsettings::hostFrom(ui->lineEditRigHost->text())) {
        c.source.rigHost = *host;
    }
    const QString loggerHost = ui->lineEditLoggerHost->text().trimmed();
    if (loggerHost.isEmpty()) {
        c.source.loggerHost.clear();
    } else if (const std::optional<QString> host = bandfollowsettings::hostFrom(loggerHost)) {
        c.source.loggerHost = *host;
    }
    c.source.loggerStation = ui->lineEditLoggerStation->text().trimmed();
    c.txHangMs = ui->spinTxHangMs->value();
    // An emptied or unusable field shows what is used instead.
    if (ui->lineEditRigHost->text() != c.source.rigHost) {
        ui->lineEditRigHost->setText(c.source.rigHost);
    }
    if (ui->lineEditLoggerHost->text() != c.source.loggerHost) {
        ui->lineEditLoggerHost->setText(c.source.loggerHost);
    }
    c.source.rigPort = quint16(ui->spinRigPort->value());
    c.source.loggerPort = quint16(ui->spinLoggerPort->value());
    c.source.loggerRadio = ui->spinLoggerRadio->value();
    c.remember = ui->checkRemember->isChecked();
    c.holdManual = ui->checkHoldManual->isChecked();
    for (int b = 0; b < bandplan::BandCount; ++b) {
        c.antennas[std::size_t(b)] = qMax(0, ui->bandAntennas[b]->currentIndex());
    }
    enableSourceFields();
    if (c != following->config()) {
        following->setConfig(c);
    }
}

void BandFollowDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape takes back what is being typed; Close keeps it.
    if (event->key() == Qt::Key_Escape) {
        load();
    }
    QDialog::keyPressEvent(event);
}

void BandFollowDialog::enableSourceFields()
{
    const bool rig = ui->radioRigctld->isChecked();
    const bool logger = ui->radioLogger->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(ui->lineEditRigHost), static_cast<QWidget*>(ui->spinRigPort)}) {
        field->setEnabled(rig);
    }
    ui->spinLoggerPort->setEnabled(logger);
    ui->spinLoggerRadio->setEnabled(logger);
    ui->lineEditLoggerHost->setEnabled(logger);
    ui->lineEditLoggerStation->setEnabled(logger);
}
