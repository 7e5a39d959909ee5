#ifndef ZAREL_BANDFOLLOWDIALOG_H
#define ZAREL_BANDFOLLOWDIALOG_H

#include <QDialog>
#include <QVector>

#include <optional>

struct BandSegment;

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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the window's setting and the antennas' captions.
    void load();
    // Hands what the dialog shows to the window.
    void apply();
    void enableSourceFields();
    // The segment table: rows from the setting, and the usable rows back
    // (unusableRow: the first row that is not, 0 for none).
    void showSegments(const QVector<BandSegment>& segments);
    QVector<BandSegment> tableSegments(int* unusableRow = nullptr) const;
    void addSegment();
    void removeSegment();
    void enableAddSegment();
    static QString antennasHint();

    BandFollowForm* ui;
    BandFollowing* following;
    QString settingsPath;
    bool loading = false;
};

#endif // ZAREL_BANDFOLLOWDIALOG_H
