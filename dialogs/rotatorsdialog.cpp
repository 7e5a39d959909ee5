#include "dialogs/rotatorsdialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>

#include <utility>

#include "app/locator.h"
#include "forms/rotatorsform.h"

namespace {

constexpr int Count = settingskey::rotators::Count;

QString addressText(const RotatorSetting& setting)
{
    if (!setting.isSet()) {
        return QString();
    }
    // An IPv6 address in brackets: its colons would read as the port's.
    const QString host =
        setting.host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(setting.host) : setting.host;
    return QStringLiteral("%1:%2").arg(host).arg(setting.port);
}

QString antennasText(const QList<int>& antennas)
{
    QStringList numbers;
    for (int antenna : antennas) {
        numbers << QString::number(antenna + 1);
    }
    return numbers.join(QStringLiteral(", "));
}

} // namespace

RotatorsDialog::RotatorsDialog(QWidget* parent, const RotatorsSettings& now,
                               std::function<bool(const RotatorsSettings&)> apply)
    : QDialog(parent)
    , ui(new RotatorsForm)
    , apply(std::move(apply))
    , shown(now)
{
    ui->build(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QString addressHint = tr("host:port of rotctld, as 127.0.0.1:4533 or [::1]:4533; without a port, %1. "
                                   "Empty: no rotator")
                                    .arg(settingskey::rotators::DefaultPort);
    const QString antennasHint = tr("The antennas this rotator turns, 1 to 12: 4, 5");
    for (int r = 0; r < Count; ++r) {
        ui->addresses[r]->setToolTip(addressHint);
        ui->antennas[r]->setToolTip(antennasHint);
        ui->names[r]->setToolTip(tr("As the panel says it; empty: Rotator %1").arg(r + 1));
    }
    ui->lineEditLocator->setToolTip(
        tr("The station's Maidenhead locator, 4 or 6 characters: bearings and distances to a locator start here"));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &RotatorsDialog::tryAccept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    load(now);
    ui->addresses[0]->setFocus();
}

RotatorsDialog::~RotatorsDialog()
{
    delete ui;
}

void RotatorsDialog::load(const RotatorsSettings& settings)
{
    for (int r = 0; r < Count; ++r) {
        const RotatorSetting& s = settings.rotors[std::size_t(r)];
        ui->addresses[r]->setText(addressText(s));
        ui->antennas[r]->setText(s.isSet() ? antennasText(s.antennas) : QString());
        ui->names[r]->setText(s.isSet() ? s.name : QString());
    }
    ui->lineEditLocator->setText(settings.locator);
}

void RotatorsDialog::showProblem(QLineEdit* field, const QString& problem)
{
    ui->labelProblem->setText(problem);
    // Read with the field as the focus lands on it.
    field->setAccessibleDescription(problem);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

std::optional<RotatorsSettings> RotatorsDialog::typed()
{
    // A fault put right no longer describes its field.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        if (!field->accessibleDescription().isEmpty()) {
            field->setAccessibleDescription(QString());
        }
    }
    ui->labelProblem->clear();
    RotatorsSettings settings = shown;
    QList<int> taken[Count];
    for (int r = 0; r < Count; ++r) {
        const QString address = ui->addresses[r]->text().trimmed();
        const QString antennas = ui->antennas[r]->text().trimmed();
        const QString name = ui->names[r]->text().trimmed();
        const int n = r + 1;
        RotatorSetting& s = settings.rotors[std::size_t(r)];
        if (address.isEmpty()) {
            // A rotator not set stores no antennas or name: they would be
            // lost without a word.
            if (!antennas.isEmpty() || !name.isEmpty()) {
                showProblem(ui->addresses[r],
                            tr("Rotator %1 address: needed for its antennas and name (empty them as well for no "
                               "rotator)")
                                .arg(n));
                return std::nullopt;
            }
            s = RotatorSetting();
            continue;
        }
        const std::optional<RotatorSetting> reached = rotatorAddress(address);
        if (!reached) {
            showProblem(ui->addresses[r],
                        tr("Rotator %1 address: “%2” is not host:port, as 127.0.0.1:4533").arg(n).arg(address));
            return std::nullopt;
        }
        s = *reached;
        if (!antennas.isEmpty()) {
            const std::optional<QList<int>> turned = rotatorAntennas(antennas);
            if (!turned) {
                showProblem(
                    ui->antennas[r],
                    tr("Rotator %1 antennas: “%2” is not antennas 1 to 12, each once, as 4, 5").arg(n).arg(antennas));
                return std::nullopt;
            }
            s.antennas = *turned;
        }
        // One rotator per antenna: the antenna's heading is that rotator's.
        for (int antenna : s.antennas) {
            for (int other = 0; other < r; ++other) {
                if (taken[other].contains(antenna)) {
                    showProblem(ui->antennas[r],
                                tr("Rotator %1 antennas: Ant %2 is on Rotator %3 already; an antenna has one rotator")
                                    .arg(n)
                                    .arg(antenna + 1)
                                    .arg(other + 1));
                    return std::nullopt;
                }
            }
        }
        taken[r] = s.antennas;
        s.name = name;
    }
    const QString locatorText = ui->lineEditLocator->text().trimmed();
    if (!locatorText.isEmpty() && !locator::position(locatorText)) {
        showProblem(ui->lineEditLocator,
                    tr("Locator: “%1” is not a Maidenhead locator of 4 or 6 characters, as JN58td").arg(locatorText));
        return std::nullopt;
    }
    settings.locator = locatorText;
    return settings;
}

void RotatorsDialog::tryAccept()
{
    const std::optional<RotatorsSettings> settings = typed();
    if (!settings) {
        return;
    }
    // Stays open when they could not be stored, so nothing typed is lost.
    if (apply(*settings)) {
        accept();
    }
}
