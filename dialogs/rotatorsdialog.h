#ifndef ZAREL_ROTATORSDIALOG_H
#define ZAREL_ROTATORSDIALOG_H

#include <QDialog>

#include <functional>
#include <optional>

#include "connection/rotators.h"

class QLineEdit;
class RotatorsForm;

// File › Rotators…: the address of each rotator's rotctld, the antennas it
// turns and its name, and the station's own locator. OK checks every field
// and names the first that cannot be used, with the focus on it; the
// dialog closes only once the settings are applied.
class RotatorsDialog : public QDialog
{
    Q_OBJECT

public:
    // `apply` stores and uses the settings; false when they could not be
    // stored (it says why), and the dialog stays open with what was typed.
    RotatorsDialog(QWidget* parent, const RotatorsSettings& now, std::function<bool(const RotatorsSettings&)> apply);
    ~RotatorsDialog() override;

    // What the fields say; none, with the first field at fault named and
    // focused, when one cannot be used.
    std::optional<RotatorsSettings> typed();

private:
    void load(const RotatorsSettings& settings);
    void tryAccept();
    void showProblem(QLineEdit* field, const QString& problem);

    RotatorsForm* ui;
    std::function<bool(const RotatorsSettings&)> apply;
    RotatorsSettings shown; // what the dialog opened with
};

#endif // ZAREL_ROTATORSDIALOG_H
