#ifndef ZAREL_LABELS_H
#define ZAREL_LABELS_H

#include <QDialog>

class LabelsForm;
class MainWindow;

// The captions editor: antenna, GPI and GPO names and the station ID. OK
// stores them and shows them on the panel at once; OK, Cancel, Esc and the
// close button all release the dialog.
class labels : public QDialog
{
    Q_OBJECT

public:
    labels(QWidget* parent, MainWindow* window);
    ~labels() override;

private Q_SLOTS:
    void on_botaoOK_clicked();
    void on_botaoCancel_clicked();

private:
    void loadSettings();
    // False when the file could not be written; the panel then says so.
    bool saveSettings();

    LabelsForm* ui;
    MainWindow* mainWindow;
};

#endif // ZAREL_LABELS_H
