#ifndef ZAREL_JOURNALWINDOW_H
#define ZAREL_JOURNALWINDOW_H

#include <QAbstractTableModel>
#include <QDate>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <functional>

#include "app/journal.h"
#include "app/journalevent.h"
#include "panel/journalday.h"

class DayStrip;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The journal's rows as the window lists them, newest first.
class JournalModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Kind, What, Who, Held, Outcome, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QVector<JournalEvent> rows);
    const QVector<JournalEvent>& rows() const { return shown; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString kindText(JournalEvent::Kind kind);
    // The kind with what became of a switch, so a failure or a wait is read
    // and not only seen by its colour.
    static QString markedKindText(const JournalEvent& event);

private:
    QVector<JournalEvent> shown;
};

// The station's journal, one UTC day at a time: the day's picture above the
// list of its rows, filtered by kind and text, exported as CSV. It reads the
// file on its own connection, again when refresh() says rows were written.
class JournalWindow : public QWidget
{
    Q_OBJECT

public:
    explicit JournalWindow(const QString& path, const QStringList& captions = {}, QWidget* parent = nullptr);
    ~JournalWindow() override;

    QString path() const { return filePath; }
    QDate day() const;
    void showDay(const QDate& day);
    void setCaptions(const QStringList& captions);
    // Says a text to the screen reader: where the picture's cursor is.
    void setAnnouncer(std::function<void(const QString&)> announce);

    // At most this often a read of the file.
    static constexpr int readGapMs = 500;

public Q_SLOTS:
    // Reads the day shown again, keeping the selected row and what is in sight.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readSoon();
    void readDay();
    void dayRead(qint64 start, QVector<JournalEvent> rows, const QVector<JournalEvent>& reaching,
                 const QString& trouble);
    void showRows(bool sameDay);
    void drawPicture();
    void chooseTime(qint64 at);
    void exportCsv();
    void tell(const QString& text, bool trouble);
    void followToday();
    journalday::KindFilter kindFilter() const;

    QString filePath;
    JournalReader reader;
    std::function<void(const QString&)> announcer;
    QDateEdit* dateEdit = nullptr;
    QPushButton* previousDay = nullptr;
    QPushButton* nextDay = nullptr;
    QComboBox* kinds = nullptr;
    QLineEdit* text = nullptr;
    DayStrip* strip = nullptr;
    QTreeView* list = nullptr;
    JournalModel* model = nullptr;
    QLabel* count = nullptr;
    QLabel* message = nullptr;
    QPushButton* exportButton = nullptr;

    QVector<JournalEvent> dayRows; // newest first
    QVector<JournalEvent> before; // the hours before the day, for what reaches into it
    QDate rowsDay; // the day dayRows hold
    QString readTrouble;
    bool tellingReadTrouble = false;
    bool stale = false; // rows were written while the window was hidden
    QElapsedTimer sinceRead;
    QTimer readTimer;
    QTimer minuteTimer;
};

#endif // ZAREL_JOURNALWINDOW_H
