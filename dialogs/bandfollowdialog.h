#ifndef ZAREL_BANDFOLLOWDIALOG_H
#define ZAREL_BANDFOLLOWDIALOG_H

#include <QDialog>
#include <QVector>

#include <optional>

#include "panel/bandfollow.h"

class BandFollowForm;
class BandFollowing;

// Where the operator sets band following: the radio's source, the antennas
// and outputs per band, the segments and the options. Modeless; every change applies at once, and a
// band the panel remembers meanwhile shows up here.
class BandFollowDialog : public QDialog
{
    Q_OBJECT

public:
    // `settingsPath`: where the antennas' captions are read.
    BandFollowDialog(QWidget* parent, BandFollowing* following, const QString& settingsPath);
    ~BandFollowDialog() override;

    // The operator's own names for the antennas, kept current while open.
    void showAntennaNames();

Q_SIGNALS:
    // For a screen reader, said as a notification: a segment row that
    // became unusable, once for each reason.
    void announcement(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the window's setting and the antennas' captions.
    void load();
    // Hands what the dialog shows to the window.
    void apply();
    void enableSourceFields();
    // The segment table: rows from the setting, and the usable rows back
    // (problems: why each row that is not cannot be used, by row from 0).
    struct RowProblem
    {
        int row = 0;
        bandfollowsettings::SegmentProblem problem;
    };
    void showSegments(const QVector<BandSegment>& segments);
    QVector<BandSegment> tableSegments(QVector<RowProblem>* problems = nullptr) const;
    // Marks the cells at fault and names the first such row under the table.
    void showSegmentProblems(const QVector<RowProblem>& problems);
    static QString segmentReason(const bandfollowsettings::SegmentProblem& problem);
    void addSegment();
    void removeSegment();
    void enableAddSegment();
    static QString antennasHint();

    BandFollowForm* ui;
    BandFollowing* following;
    QString settingsPath;
    bool loading = false;
    // What the screen reader was told of the rows that stay unusable.
    QStringList segmentProblemsTold;
};

#endif // ZAREL_BANDFOLLOWDIALOG_H
