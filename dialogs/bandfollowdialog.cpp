#include "dialogs/bandfollowdialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>

#include <QHeaderView>

#include <algorithm>

#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "forms/bandfollowform.h"
#include "forms/screenroom.h"
#include "panel/bandfollowing.h"

BandFollowDialog::BandFollowDialog(QWidget* parent, BandFollowing* following, const QString& settingsPath)
    : QDialog(parent)
    , ui(new BandFollowForm)
    , following(following)
    , settingsPath(settingsPath)
{
    ui->build(this);
    setAttribute(Qt::WA_DeleteOnClose);
    namespace key = settingskey::bandfollow;
    ui->spinRigPort->setRange(key::RigPort.lowest, key::RigPort.highest);
    ui->spinLoggerPort->setRange(key::LoggerPort.lowest, key::LoggerPort.highest);
    ui->spinLoggerRadio->setRange(key::LoggerRadio.lowest, key::LoggerRadio.highest);
    // Below the floor a break-in gap could pass for the end of a transmission.
    ui->spinTxHangMs->setRange(TransmitGuard::minimumHangMs, key::TxHangMs.highest);
    ui->spinTxHangMs->setToolTip(tr("Guards phone and data: shorter waits cannot tell a break-in or VOX gap from "
                                    "the end of a transmission (%1 ms is the least). It does not make CW safe: a "
                                    "word space can be longer")
                                     .arg(TransmitGuard::minimumHangMs));
    ui->spinTxHangCwMs->setRange(key::TxHangCwMs.lowest, key::TxHangCwMs.highest);
    ui->spinTxHangCwMs->setToolTip(tr("While the radio is in CW: longer than the longest gap of your keying (a word "
                                      "space is 7 dits: 700 ms at 12 WPM). A gap longer than this still lets a "
                                      "switch through; only the inhibit output makes CW safe"));
    // How to wire it, where the operator chooses it and where a screen reader reads it.
    ui->comboInhibitGpo->setToolTip(
        tr("The GPO wired to the radio's TX-inhibit input: it holds the radio off the air for every automatic "
           "switch, which makes switching safe whatever the keying. Without it, the waits guard phone and data, "
           "and CW only while its gaps are shorter than the CW wait"));
    ui->comboInhibitGpo->setAccessibleDescription(ui->comboInhibitGpo->toolTip());
    ui->comboInhibitGpo->addItem(tr("None"));
    for (int n = 1; n <= 8; ++n) {
        ui->comboInhibitGpo->addItem(tr("GPO %1").arg(n));
    }
    // Each field named by its band for screen readers, the label beside it
    // naming only the band.
    const auto outputsFormat = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[01-]{0,8}")), this);
    for (int b = 0; b < bandplan::BandCount; ++b) {
        const QString band = bandplan::bandLabel(b);
        ui->bandAntennas[b]->setAccessibleName(tr("%1 antennas").arg(band));
        // The typing field is what has the focus, and what is read out.
        ui->bandAntennas[b]->lineEdit()->setAccessibleName(tr("%1 antennas").arg(band));
        ui->bandAntennas[b]->setToolTip(antennasHint());
        ui->bandOutputs[b]->setAccessibleName(tr("%1 outputs").arg(band));
        ui->bandOutputs[b]->setToolTip(tr("One character per output from GPO 1: 1 on, 0 off, - left alone"));
        ui->bandOutputs[b]->setValidator(outputsFormat);
    }
    ui->tableSegments->horizontalHeader()->setStretchLastSection(true);
    // A screen reader reads the table's description each time the focus
    // comes back from a cell's editor: the whole help until the operator
    // has been in the table, then the keys.
    ui->tableSegments->installEventFilter(this);
    ui->tableSegments->verticalHeader()->setVisible(false);
    ui->buttonAddSegment->setToolTip(tr("Up to %1 segments").arg(bandfollowsettings::MaxSegments));
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
    connect(ui->comboInhibitGpo, QOverload<int>::of(&QComboBox::activated), this, &BandFollowDialog::apply);
    for (QSpinBox* spin :
         {ui->spinRigPort, ui->spinLoggerPort, ui->spinLoggerRadio, ui->spinTxHangMs, ui->spinTxHangCwMs}) {
        connect(spin, &QSpinBox::editingFinished, this, &BandFollowDialog::apply);
    }
    for (QComboBox* combo : ui->bandAntennas) {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, &BandFollowDialog::apply);
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, &BandFollowDialog::apply);
    }
    for (QLineEdit* edit : ui->bandOutputs) {
        connect(edit, &QLineEdit::editingFinished, this, &BandFollowDialog::apply);
    }
    connect(ui->tableSegments, &QTableWidget::cellChanged, this, &BandFollowDialog::apply);
    connect(ui->buttonAddSegment, &QPushButton::clicked, this, &BandFollowDialog::addSegment);
    connect(ui->buttonRemoveSegment, &QPushButton::clicked, this, &BandFollowDialog::removeSegment);
    connect(ui->checkBusyInterlock, &QCheckBox::toggled, this, &BandFollowDialog::apply);
    connect(ui->checkRemember, &QCheckBox::toggled, this, &BandFollowDialog::apply);
    connect(ui->checkHoldManual, &QCheckBox::toggled, this, &BandFollowDialog::apply);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A field still being edited when the dialog closes counts too.
    connect(this, &QDialog::finished, this, &BandFollowDialog::apply);
    connect(following, &BandFollowing::configChanged, this, &BandFollowDialog::load);
    fitToScreen(this, ui->scrollSettings);
    // Not on the radio's source, where a stray Space or arrow changes it:
    // on the first band's antennas, where stray text is shown back unused.
    ui->combo2200m->setFocus();
}

BandFollowDialog::~BandFollowDialog()
{
    // Going, the dialog moves the focus out of its field, whose
    // editingFinished must not reach a dialog already half destroyed.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
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
    ui->spinTxHangCwMs->setValue(c.txHangCwMs);
    ui->comboInhibitGpo->setCurrentIndex(c.inhibitGpo);
    // With the inhibit the radio is held for every switch: the CW wait is not used.
    ui->spinTxHangCwMs->setEnabled(c.inhibitGpo == 0);
    ui->checkRemember->setChecked(c.remember);
    ui->checkHoldManual->setChecked(c.holdManual);
    ui->checkBusyInterlock->setChecked(c.busyInterlock);

    showAntennaNames();
    for (int b = 0; b < bandplan::BandCount; ++b) {
        const AntennaList& antennas = c.antennas[std::size_t(b)];
        const int receive = c.receive[std::size_t(b)];
        QComboBox* combo = ui->bandAntennas[b];
        // One antenna shows with its caption; a list, or one with a receive
        // antenna, as typed.
        if (antennas.size() <= 1 && receive == 0) {
            combo->setCurrentIndex(antennas.value(0, 0));
        } else {
            combo->setCurrentIndex(-1);
            combo->setEditText(bandfollowsettings::antennasWithReceiveText(antennas, receive));
        }
        const BandOutputs& outputs = c.outputs[std::size_t(b)];
        ui->bandOutputs[b]->setText(outputs.isEmpty() ? QString() : bandfollowsettings::outputsText(outputs));
    }
    // Rows being typed stay while the usable ones are what is set.
    if (tableSegments() != c.segments) {
        showSegments(c.segments);
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
    c.txHangCwMs = ui->spinTxHangCwMs->value();
    c.inhibitGpo = std::max(0, ui->comboInhibitGpo->currentIndex());
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
    c.busyInterlock = ui->checkBusyInterlock->isChecked();
    bool shownAgain = false;
    for (int b = 0; b < bandplan::BandCount; ++b) {
        QComboBox* combo = ui->bandAntennas[b];
        const int item = combo->findText(combo->currentText());
        const std::optional<QPair<AntennaList, int>> typed = item >= 0
            ? std::optional<QPair<AntennaList, int>>({item == 0 ? AntennaList() : AntennaList {item}, 0})
            : bandfollowsettings::antennasWithReceiveFrom(combo->currentText());
        // What cannot be used is shown back as it stands, and the field
        // says why, to the eye and to a screen reader.
        shownAgain = shownAgain || !typed;
        const QString hint = typed
            ? antennasHint()
            : tr("“%1” was not used: antennas 1 to 12, as 4, 9, 2").arg(combo->currentText().simplified());
        if (combo->toolTip() != hint) {
            combo->setToolTip(hint);
            combo->setAccessibleDescription(typed ? QString() : hint);
        }
        if (typed) {
            c.antennas[std::size_t(b)] = typed->first;
            c.receive[std::size_t(b)] = typed->second;
        }
        const QString pattern = ui->bandOutputs[b]->text().leftJustified(8, QLatin1Char('-'));
        c.outputs[std::size_t(b)] = bandfollowsettings::outputsFrom(pattern).value_or(BandOutputs());
    }
    QVector<RowProblem> problems;
    c.segments = tableSegments(&problems);
    showSegmentProblems(problems);
    enableSourceFields();
    if (shownAgain) {
        following->setConfig(c);
        load();
        return;
    }
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

bool BandFollowDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A key the editor passes on (Enter) is not one pressed in the table.
    if (watched == ui->tableSegments && event->type() == QEvent::KeyPress && ui->tableSegments->hasFocus()) {
        // Set again, it would be said again.
        const QString keys = tr("F2 edits a cell, Enter keeps it");
        if (ui->tableSegments->accessibleDescription() != keys) {
            ui->tableSegments->setAccessibleDescription(keys);
        }
    }
    return QDialog::eventFilter(watched, event);
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

namespace {

enum Column { From, To, Mode, Antennas, Outputs, Columns };

} // namespace

void BandFollowDialog::showSegments(const QVector<BandSegment>& segments)
{
    const bool wasLoading = loading;
    loading = true;
    QTableWidget* table = ui->tableSegments;
    table->setRowCount(segments.size());
    for (int row = 0; row < segments.size(); ++row) {
        const BandSegment& s = segments.at(row);
        const QString texts[Columns] = {
            bandfollowsettings::kilohertzText(s.lowHz),
            bandfollowsettings::kilohertzText(s.highHz),
            bandfollowsettings::modeText(s.mode),
            s.antennas.isEmpty() && s.receive == 0 ? QString()
                                                   : bandfollowsettings::antennasWithReceiveText(s.antennas, s.receive),
            s.outputs.isEmpty() ? QString() : bandfollowsettings::outputsText(s.outputs),
        };
        for (int column = 0; column < Columns; ++column) {
            table->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
    }
    enableAddSegment();
    loading = wasLoading;
    QVector<RowProblem> problems;
    tableSegments(&problems);
    showSegmentProblems(problems);
}

QString BandFollowDialog::segmentReason(const bandfollowsettings::SegmentProblem& problem)
{
    using Kind = bandfollowsettings::SegmentProblem::Kind;
    switch (problem.kind) {
    case Kind::NotKilohertz:
        return tr("%1 is not a frequency in kHz").arg(problem.word);
    case Kind::LooksLikeMegahertz:
        return tr("%1 looks like MHz: the range is in kHz").arg(problem.word);
    case Kind::NoBand:
        return tr("%1 kHz is in no band").arg(problem.word);
    case Kind::Reversed:
        return tr("%1 is above %2: From is the lower edge").arg(problem.word, problem.other);
    case Kind::TwoBands:
        return tr("%1 and %2 kHz are not in one band").arg(problem.word, problem.other);
    case Kind::NotAMode:
        return tr("%1 is not a mode here: CW, SSB or DATA").arg(problem.word);
    case Kind::NotAntennas:
        return tr("%1 is not an antenna list: 1 to 12, as 4, 9, 2").arg(problem.word);
    case Kind::NotReceive:
        return tr("rx needs one antenna, 1 to 12: rx 8");
    case Kind::NotOutputs:
        return tr("%1 is not 8 outputs of 1, 0 or -").arg(problem.word);
    case Kind::SecondAntennas:
        return tr("%1 is a second antenna list: one list, as 4, 9, 2").arg(problem.word);
    case Kind::LeftOver:
        return tr("%1 is left over after the outputs").arg(problem.word);
    case Kind::Incomplete:
    case Kind::None:
        break;
    }
    return tr("The row needs From and To, in kHz");
}

void BandFollowDialog::showSegmentProblems(const QVector<RowProblem>& problems)
{
    using Kind = bandfollowsettings::SegmentProblem::Kind;
    QTableWidget* table = ui->tableSegments;
    const QIcon mark = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    // Marking a cell changes it: not a change of the operator's.
    const bool wasLoading = loading;
    loading = true;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto found =
            std::find_if(problems.begin(), problems.end(), [row](const RowProblem& p) { return p.row == row; });
        for (int column = 0; column < Columns; ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (item == nullptr) {
                continue;
            }
            bool atFault = false;
            if (found != problems.end()) {
                const bandfollowsettings::SegmentProblem& p = found->problem;
                const QString text = item->text().trimmed();
                const bool edge = column == From || column == To;
                const bool rangeFault = p.kind == Kind::NotKilohertz || p.kind == Kind::LooksLikeMegahertz ||
                    p.kind == Kind::NoBand || p.kind == Kind::Reversed || p.kind == Kind::TwoBands;
                if (p.kind == Kind::Incomplete) {
                    atFault = edge && text.isEmpty();
                } else if (edge == rangeFault && !text.isEmpty()) {
                    const QStringList words = bandfollowsettings::wordsOf(text);
                    atFault = text == p.word || words.contains(p.word) || (!p.other.isEmpty() && text == p.other);
                }
            }
            const QString reason = atFault ? segmentReason(found->problem) : QString();
            if (item->toolTip() != reason) {
                item->setToolTip(reason);
                item->setData(Qt::AccessibleDescriptionRole, reason);
                item->setIcon(atFault ? mark : QIcon());
            }
        }
    }
    loading = wasLoading;
    // Named under the table, the first row first; said once when a row
    // turns unusable for a reason (a row put right and spoilt again is
    // said again).
    QStringList named;
    for (const RowProblem& p : problems) {
        named << (p.problem.kind == Kind::Incomplete ? tr("Row %1 is not used yet").arg(p.row + 1)
                                                     : tr("Row %1: %2").arg(p.row + 1).arg(segmentReason(p.problem)));
    }
    ui->labelSegmentProblem->setText(named.value(0));
    for (const QString& text : named) {
        if (!segmentProblemsTold.contains(text)) {
            Q_EMIT announcement(text);
            ui->scrollSettings->ensureWidgetVisible(ui->labelSegmentProblem);
        }
    }
    segmentProblemsTold = named;
}

void BandFollowDialog::enableAddSegment()
{
    // Lines past the limit would be written but never read.
    ui->buttonAddSegment->setEnabled(ui->tableSegments->rowCount() < bandfollowsettings::MaxSegments);
}

QString BandFollowDialog::antennasHint()
{
    return tr("One antenna, or several tried in this order: 4, 9, 2");
}

QVector<BandSegment> BandFollowDialog::tableSegments(QVector<RowProblem>* problems) const
{
    QVector<BandSegment> segments;
    const QTableWidget* table = ui->tableSegments;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = table->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        // The file's own form, so the table and the file accept the same.
        const QString text = cell(From) + QLatin1Char('-') + cell(To) + QLatin1Char(' ') + cell(Mode) +
            QLatin1Char(' ') + cell(Antennas) + QLatin1Char(' ') + cell(Outputs);
        // Without an edge the next cell's word would pass for it.
        bandfollowsettings::SegmentProblem problem {bandfollowsettings::SegmentProblem::Kind::Incomplete, {}, {}};
        const bool ranged = !cell(From).isEmpty() && !cell(To).isEmpty();
        if (const std::optional<BandSegment> segment =
                ranged ? bandfollowsettings::segmentFrom(text, &problem) : std::nullopt) {
            segments.append(*segment);
        } else if (problems != nullptr) {
            problems->append({row, problem});
        }
    }
    return segments;
}

void BandFollowDialog::addSegment()
{
    QTableWidget* table = ui->tableSegments;
    const int row = table->rowCount();
    if (row >= bandfollowsettings::MaxSegments) {
        return;
    }
    loading = true;
    table->insertRow(row);
    for (int column = 0; column < Columns; ++column) {
        table->setItem(row, column, new QTableWidgetItem());
    }
    loading = false;
    enableAddSegment();
    // The new row and what is said of it in sight.
    ui->scrollSettings->ensureWidgetVisible(ui->groupSegments);
    table->setFocus();
    table->setCurrentCell(row, From);
    table->editItem(table->item(row, From));
}

void BandFollowDialog::removeSegment()
{
    QTableWidget* table = ui->tableSegments;
    if (table->currentRow() >= 0) {
        table->removeRow(table->currentRow());
        enableAddSegment();
        apply();
    }
}
