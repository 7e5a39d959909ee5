#ifndef ZAREL_FORMLANCFG_H
#define ZAREL_FORMLANCFG_H

#include <QDialog>

class LanForm;
class MainWindow;

// The device's host and port, and whether the host is used directly as an
// address. OK checks the entries, stores them and re-applies all settings
// (which resolves the host again); the radio button stores its choice at once.
class formLanCFG : public QDialog
{
    Q_OBJECT

public:
    formLanCFG(QWidget* parent, MainWindow* window);
    ~formLanCFG() override;

private Q_SLOTS:
    void on_buttonBox_accepted();
    void on_radioButton_clicked();

private:
    void loadSettings();
    // False when the file could not be written; the panel then says so.
    bool saveSettings();

    MainWindow* mainWindow;
    LanForm* ui;
};

// Why a host and port cannot be stored, or an empty text when they can.
QString lanSettingsProblem(const QString& host, const QString& port, bool useIpDirectly = false);

#endif // ZAREL_FORMLANCFG_H
