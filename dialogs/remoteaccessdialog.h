#ifndef ZAREL_REMOTEACCESSDIALOG_H
#define ZAREL_REMOTEACCESSDIALOG_H

#include <QDialog>
#include <QList>
#include <QPair>
#include <QTimer>

#include <functional>
#include <optional>

class QLineEdit;
class RemoteAccessForm;
class StationRemote;

// File › Remote Access…: whether and where the station serves the browser
// panel, with which certificate, and who may log in. OK checks the fields,
// names the first that cannot be used and closes once the settings are
// stored and served as they say. Accounts are added and removed at once.
class RemoteAccessDialog : public QDialog
{
    Q_OBJECT

public:
    using Keys = QList<QPair<QString, QString>>;
    // `apply` stores the [Remote] keys and serves as they say: an empty text
    // when done, otherwise why not, and the dialog stays open.
    RemoteAccessDialog(QWidget* parent, StationRemote& remote, const QString& settingsPath,
                       std::function<QString(const Keys&)> apply);
    ~RemoteAccessDialog() override;

    // The [Remote] keys the fields say; none, with the first field at fault
    // named and focused, when one cannot be used.
    std::optional<Keys> typed();

private:
    void load();
    void showServing();
    void showUsers();
    void showProblem(QWidget* field, const QString& problem);
    void tryAccept();
    void browse(QLineEdit* field, const QString& title);
    void addUser();
    void removeUser();
    QString accountsPath() const;

    RemoteAccessForm* ui;
    StationRemote& remote;
    QString settingsPath;
    std::function<QString(const Keys&)> apply;
    QTimer refresh;
};

#endif // ZAREL_REMOTEACCESSDIALOG_H
