#include "panel/journalwindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

#include "app/journal.h"
#include "forms/screenroom.h"
#include "forms/theme.h"
#include "panel/daystrip.h"

Q_LOGGING_CATEGORY(journalWindowLog, "zarel.journal.window", QtWarningMsg)

namespace {

// White text reads on both at 7:1 or more; the kind column also says it in words.
const QColor failedRow(122, 31, 31);
const QColor waitedRow(107, 78, 0);

qint64 startOf(const QDate& day)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
}

QDate todayUtc()
{
    return QDateTime::currentDateTimeUtc().date();
}

} // namespace

/* the list */

void JournalModel::setRows(QVector<JournalEvent> rows)
{
    beginResetModel();
    shown = std::move(rows);
    endResetModel();
}

int JournalModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown.size();
}

int JournalModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JournalModel::kindText(JournalEvent::Kind kind)
{
    switch (kind) {
    case JournalEvent::Kind::Switch:
        return tr("Switch");
    case JournalEvent::Kind::Device:
        return tr("Device");
    case JournalEvent::Kind::Link:
        return tr("Link");
    case JournalEvent::Kind::Notice:
        return tr("Notice");
    case JournalEvent::Kind::Transmit:
        return tr("Transmit");
    case JournalEvent::Kind::Rotator:
        return tr("Rotator");
    }
    return QString();
}

QString JournalModel::markedKindText(const JournalEvent& event)
{
    if (event.failed) {
        return tr("%1 \u2715 failed").arg(kindText(event.kind));
    }
    if (event.waited()) {
        return tr("%1 \u25bc waited").arg(kindText(event.kind));
    }
    return kindText(event.kind);
}

QVariant JournalModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown.size()) {
        return {};
    }
    const JournalEvent& event = shown.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Time:
            return QDateTime::fromMSecsSinceEpoch(event.at, Qt::UTC).toString(QStringLiteral("HH:mm:ss.zzz"));
        case Kind:
            return markedKindText(event);
        case What:
            return event.what;
        case Who:
            return event.who;
        case Held:
            return event.heldMs < 0 ? QString() : QString::number(event.heldMs);
        case Outcome:
            return event.outcome;
        }
        break;
    case Qt::ToolTipRole:
        // Long texts are cut at the column's edge.
        switch (index.column()) {
        case Time:
            return tr("%1 UTC").arg(journaltext::timeText(event.at));
        case What:
            return event.what;
        case Who:
            return event.who;
        case Outcome:
            return event.outcome;
        }
        break;
    case Qt::BackgroundRole:
        if (event.failed) {
            return failedRow;
        }
        if (event.waited()) {
            return waitedRow;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Held) {
            return int(Qt::AlignRight | Qt::AlignVCenter);
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Time:
        return tr("Time (UTC)");
    case Kind:
        return tr("Kind");
    case What:
        return tr("What");
    case Who:
        return tr("Who");
    case Held:
        return tr("Held (ms)");
    case Outcome:
        return tr("Outcome");
    }
    return {};
}

/* the window */

JournalWindow::JournalWindow(const QString& path, const QStringList& captions, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , filePath(path)
{
    applyDialogTheme(this);
    setWindowTitle(tr("Journal"));
    auto* layout = new QVBoxLayout(this);

    // Made in the order the focus goes.
    auto* choosers = new QHBoxLayout;
    layout->addLayout(choosers);
    auto* dayLabel = new QLabel(tr("&Day (UTC):"), this);
    dateEdit = new QDateEdit(todayUtc(), this);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setTimeSpec(Qt::UTC);
    dateEdit->setMinimumDate(QDate(2000, 1, 1));
    dateEdit->setAccessibleName(tr("Day (UTC)"));
    dayLabel->setBuddy(dateEdit);
    qint64 first = 0;
    qint64 last = 0;
    if (journalfile::span(filePath, &first, &last)) {
        dateEdit->setMinimumDate(QDateTime::fromMSecsSinceEpoch(first, Qt::UTC).date());
    }
    previousDay = new QPushButton(tr("&Previous day"), this);
    previousDay->setAccessibleName(tr("Previous day"));
    nextDay = new QPushButton(tr("&Next day"), this);
    nextDay->setAccessibleName(tr("Next day"));
    auto* kindLabel = new QLabel(tr("&Kind:"), this);
    kinds = new QComboBox(this);
    // In the order of journalday::KindFilter.
    kinds->addItems({tr("All"), tr("Switches"), tr("Link"), tr("Notices"), tr("Transmit and rotators")});
    kinds->setAccessibleName(tr("Kind"));
    kindLabel->setBuddy(kinds);
    auto* textLabel = new QLabel(tr("&Filter:"), this);
    text = new QLineEdit(this);
    text->setAccessibleName(tr("Filter"));
    text->setAccessibleDescription(tr("Shows the rows whose what, who or outcome holds this text"));
    text->setPlaceholderText(tr("Text in what, who or outcome"));
    text->setClearButtonEnabled(true);
    textLabel->setBuddy(text);
    choosers->addWidget(dayLabel);
    choosers->addWidget(dateEdit);
    choosers->addWidget(previousDay);
    choosers->addWidget(nextDay);
    choosers->addSpacing(12);
    choosers->addWidget(kindLabel);
    choosers->addWidget(kinds);
    choosers->addSpacing(12);
    choosers->addWidget(textLabel);
    choosers->addWidget(text, 1);

    strip = new DayStrip(this);
    strip->setCaptions(captions);
    // The busy hours by default; the whole day on request.
    auto* wholeDay = new QCheckBox(tr("W&hole day"), this);
    wholeDay->setAccessibleDescription(tr("The picture spans the whole day, not only its busy hours"));
    connect(wholeDay, &QCheckBox::toggled, strip, &DayStrip::setWholeDay);
    choosers->addSpacing(12);
    choosers->addWidget(wholeDay);
    layout->addWidget(strip);

    model = new JournalModel(this);
    list = new QTreeView(this);
    list->setModel(model);
    list->setAccessibleName(tr("Events"));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    // Rows of one height: 20 000 of them are laid out without measuring each.
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setTextElideMode(Qt::ElideRight);
    const QFontMetrics fm = list->fontMetrics();
    const auto width = [&fm](const QString& sample) { return fm.horizontalAdvance(sample) + 24; };
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(JournalModel::Time, width(QStringLiteral("00:00:00.000")));
    list->setColumnWidth(JournalModel::Kind, width(JournalModel::markedKindText([] {
                             JournalEvent sample;
                             sample.kind = JournalEvent::Kind::Transmit;
                             sample.heldMs = 1;
                             return sample;
                         }())));
    list->setColumnWidth(JournalModel::What, width(QStringLiteral("SPLIT on, TX Ant 3, RX Ant 5")));
    list->setColumnWidth(JournalModel::Who, width(QStringLiteral("band following: 14.074 MHz")));
    list->setColumnWidth(JournalModel::Held, width(model->headerData(JournalModel::Held, Qt::Horizontal).toString()));
    layout->addWidget(list, 1);

    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    count = new QLabel(this);
    message = new QLabel(this);
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->hide();
    exportButton = new QPushButton(tr("&Export CSV..."), this);
    exportButton->setAccessibleName(tr("Export CSV"));
    exportButton->setAccessibleDescription(tr("Writes the rows shown to a CSV file"));
    bottom->addWidget(count);
    bottom->addSpacing(12);
    bottom->addWidget(message, 1);
    bottom->addStretch();
    bottom->addWidget(exportButton);

    readTimer.setSingleShot(true);
    connect(&readTimer, &QTimer::timeout, this, &JournalWindow::readDay);
    // Today's picture goes on to now, and the day after becomes today.
    minuteTimer.setInterval(60 * 1000);
    connect(&minuteTimer, &QTimer::timeout, this, &JournalWindow::followToday);
    minuteTimer.start();

    connect(dateEdit, &QDateEdit::dateChanged, this, [this] {
        followToday();
        readSoon();
    });
    connect(previousDay, &QPushButton::clicked, this, [this] { showDay(day().addDays(-1)); });
    connect(nextDay, &QPushButton::clicked, this, [this] { showDay(day().addDays(1)); });
    connect(kinds, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { showRows(true); });
    connect(text, &QLineEdit::textChanged, this, [this] { showRows(true); });
    connect(strip, &DayStrip::timeChosen, this, &JournalWindow::chooseTime);
    connect(&reader, &JournalReader::dayRead, this, &JournalWindow::dayRead);
    // A slider's new name goes unsaid by some screen readers: told as a notice.
    connect(strip, &DayStrip::cursorMoved, this, [this](const QString& text) {
        if (announcer && strip->hasFocus()) {
            announcer(text);
        }
    });
    connect(exportButton, &QPushButton::clicked, this, &JournalWindow::exportCsv);

    followToday();
    readDay();

    // Room for the picture and some rows, within a screen of 1280 by 720.
    ensurePolished();
    layout->activate();
    const QSize hint = sizeHint().expandedTo(QSize(1000, 640));
    const QSize room = screenRoom(this).size() - QSize(16, 48);
    resize(hint.boundedTo(room));
}

JournalWindow::~JournalWindow() = default;

QDate JournalWindow::day() const
{
    return dateEdit->date();
}

void JournalWindow::showDay(const QDate& wanted)
{
    if (wanted.isValid()) {
        dateEdit->setDate(wanted);
    }
}

void JournalWindow::setCaptions(const QStringList& captions)
{
    strip->setCaptions(captions);
}

void JournalWindow::refresh()
{
    // A hidden window reads when it is shown again.
    if (!isVisible()) {
        stale = true;
        return;
    }
    readSoon();
}

void JournalWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (stale) {
        stale = false;
        readSoon();
    }
}

void JournalWindow::readSoon()
{
    // Rows are written in batches several times a second: one read for a few.
    if (readTimer.isActive()) {
        return;
    }
    const qint64 since = sinceRead.isValid() ? sinceRead.elapsed() : qint64(readGapMs);
    if (since >= readGapMs) {
        readDay();
    } else {
        readTimer.start(int(readGapMs - since));
    }
}

void JournalWindow::readDay()
{
    readTimer.stop();
    sinceRead.start();
    const qint64 start = startOf(day());
    reader.readDay(filePath, start, start + journalday::dayMs);
}

void JournalWindow::dayRead(qint64 start, QVector<JournalEvent> rows, const QVector<JournalEvent>& reaching,
                            const QString& trouble)
{
    const QDate shownDay = day();
    if (start != startOf(shownDay)) {
        return;
    }
    before = reaching;
    // Newest first, as the list and the nearest-row search take them.
    std::stable_sort(rows.begin(), rows.end(), [](const JournalEvent& a, const JournalEvent& b) {
        return a.at != b.at ? a.at > b.at : a.id > b.id;
    });
    const bool sameDay = shownDay == rowsDay;
    dayRows = std::move(rows);
    rowsDay = shownDay;
    readTrouble = trouble;
    drawPicture();
    showRows(sameDay);
    qCDebug(journalWindowLog) << "read" << dayRows.size() << "rows";
}

void JournalWindow::drawPicture()
{
    const qint64 start = startOf(rowsDay);
    QVector<JournalEvent> reaching = dayRows;
    reaching += before;
    strip->setPicture(journalday::picture(reaching, start, start + journalday::dayMs,
                                          journalday::antennaAt(before, start), QDateTime::currentMSecsSinceEpoch()));
}

journalday::KindFilter JournalWindow::kindFilter() const
{
    const int index = std::clamp(kinds->currentIndex(), 0, int(journalday::KindFilter::TransmitAndRotators));
    return journalday::KindFilter(index);
}

void JournalWindow::showRows(bool sameDay)
{
    // What was selected and what was at the top stay, by row, when the
    // same day is read again or filtered otherwise.
    qint64 selectedId = -1;
    qint64 topId = -1;
    if (sameDay) {
        const QModelIndex current = list->currentIndex();
        if (current.isValid() && list->selectionModel()->isSelected(current)) {
            selectedId = model->rows().at(current.row()).id;
        }
        const QModelIndex top = list->indexAt(QPoint(0, 0));
        if (top.isValid() && list->verticalScrollBar()->value() > 0) {
            topId = model->rows().at(top.row()).id;
        }
    }
    const journalday::KindFilter filter = kindFilter();
    const QString wanted = text->text();
    QVector<JournalEvent> shown;
    shown.reserve(dayRows.size());
    for (const JournalEvent& row : dayRows) {
        if (journalday::matches(row, filter, wanted)) {
            shown.append(row);
        }
    }
    model->setRows(std::move(shown));
    const QVector<JournalEvent>& rows = model->rows();
    // The list has a row in hand from the start, so the screen reader reads
    // the newest one when the list takes the focus.
    if (!list->currentIndex().isValid() && !rows.isEmpty()) {
        list->selectionModel()->setCurrentIndex(model->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    for (int i = 0; i < rows.size() && (selectedId >= 0 || topId >= 0); ++i) {
        if (rows.at(i).id == selectedId) {
            list->selectionModel()->setCurrentIndex(model->index(i, 0),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            selectedId = -1;
        }
        if (rows.at(i).id == topId) {
            list->scrollTo(model->index(i, 0), QAbstractItemView::PositionAtTop);
            topId = -1;
        }
    }
    count->setText(rows.size() == dayRows.size() ? tr("%1 events").arg(rows.size())
                                                 : tr("%1 of %2 events").arg(rows.size()).arg(dayRows.size()));
    if (!readTrouble.isEmpty()) {
        tell(tr("The journal could not be read: %1").arg(readTrouble), true);
        tellingReadTrouble = true;
    } else if (tellingReadTrouble) {
        tell(QString(), false);
    }
}

void JournalWindow::setAnnouncer(std::function<void(const QString&)> announce)
{
    announcer = std::move(announce);
}

void JournalWindow::chooseTime(qint64 at)
{
    const int row = journalday::nearestRow(model->rows(), at);
    if (row < 0) {
        return;
    }
    const QModelIndex index = model->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void JournalWindow::exportCsv()
{
    const QString suggested =
        QDir::home().filePath(QStringLiteral("journal-%1.csv").arg(rowsDay.toString(QStringLiteral("yyyy-MM-dd"))));
    const QString target =
        QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested, tr("CSV files (*.csv);;All files (*)"));
    if (target.isEmpty()) {
        return;
    }
    QSaveFile file(target);
    // Half a file is not left behind: it is written beside and then renamed.
    // With a byte order mark: spreadsheets read the file as UTF-8 then.
    const QByteArray bytes = "\xEF\xBB\xBF" + journaltext::csv(model->rows()).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        tell(tr("Not exported: %1 could not be written (%2)").arg(QDir::toNativeSeparators(target), file.errorString()),
             true);
        return;
    }
    tell(tr("%1 events exported to %2").arg(model->rowCount()).arg(QDir::toNativeSeparators(target)), false);
}

void JournalWindow::tell(const QString& said, bool trouble)
{
    tellingReadTrouble = false;
    message->setText(said);
    message->setVisible(!said.isEmpty());
    // Bold as well as light red: a trouble is read, not only seen.
    message->setStyleSheet(trouble ? QStringLiteral("color: #ff8a80; font-weight: bold;") : QString());
    if (!said.isEmpty()) {
        QAccessibleEvent event(message, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void JournalWindow::followToday()
{
    const QDate today = todayUtc();
    nextDay->setEnabled(day() < today);
    previousDay->setEnabled(day() > dateEdit->minimumDate());
    // Today's picture reaches to now without reading the file again.
    if (rowsDay == today || rowsDay == today.addDays(-1)) {
        drawPicture();
    }
}
