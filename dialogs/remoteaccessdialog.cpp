#include "dialogs/remoteaccessdialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

#include <memory>

#include "app/messages.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "app/stationremote.h"
#include "connection/remoteaccounts.h"
#include "connection/remotecertificate.h"
#include "forms/remoteaccessform.h"
#include "forms/theme.h"

namespace key = settingskey::remote;

namespace {

// Stays open while the password is hashed, Escape and the title bar's
// button included: the account is written all the same.
class AddUserDialog : public QDialog
{
public:
    using QDialog::QDialog;
    void reject() override
    {
        if (!busy) {
            QDialog::reject();
        }
    }
    bool busy = false;
};

} // namespace

RemoteAccessDialog::RemoteAccessDialog(QWidget* parent, StationRemote& remote, const QString& settingsPath,
                                       std::function<QString(const Keys&)> apply)
    : QDialog(parent)
    , ui(new RemoteAccessForm)
    , remote(remote)
    , settingsPath(settingsPath)
    , apply(std::move(apply))
{
    ui->build(this);
    ui->spinPort->setRange(key::Port.lowest, key::Port.highest);
    ui->lineEditAddress->setPlaceholderText(tr("Not served now"));
    ui->lineEditFingerprint->setPlaceholderText(tr("None while not served"));
    ui->lineEditListen->setToolTip(ui->labelListenHint->text());
    ui->lineEditListen->setAccessibleDescription(ui->labelListenHint->text());
    ui->lineEditCertificate->setAccessibleDescription(ui->labelFilesHint->text());
    ui->lineEditKey->setAccessibleDescription(ui->labelFilesHint->text());
    ui->treeUsers->setAccessibleDescription(ui->labelUsersHint->text());
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &RemoteAccessDialog::tryAccept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->buttonBrowseCertificate, &QPushButton::clicked, this,
            [this] { browse(ui->lineEditCertificate, tr("Certificate (PEM)")); });
    connect(ui->buttonBrowseKey, &QPushButton::clicked, this, [this] { browse(ui->lineEditKey, tr("Key (PEM)")); });
    connect(ui->buttonCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(ui->lineEditFingerprint->text()); });
    connect(ui->buttonAddUser, &QPushButton::clicked, this, &RemoteAccessDialog::addUser);
    connect(ui->buttonRemoveUser, &QPushButton::clicked, this, &RemoteAccessDialog::removeUser);
    connect(ui->treeUsers, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ui->buttonRemoveUser->setEnabled(item != nullptr); });
    connect(&remote, &StationRemote::servingChanged, this, &RemoteAccessDialog::showServing);
    // Browsers come and go without a signal.
    refresh.setInterval(1000);
    connect(&refresh, &QTimer::timeout, this, &RemoteAccessDialog::showServing);
    refresh.start();
    load();
    showServing();
    showUsers();
    ui->checkEnabled->setFocus();
}

RemoteAccessDialog::~RemoteAccessDialog()
{
    delete ui;
}

QString RemoteAccessDialog::accountsPath() const
{
    return remote.accountsPath().isEmpty() ? remoteaccounts::pathFor(settingsPath) : remote.accountsPath();
}

void RemoteAccessDialog::load()
{
    const SettingsStore settings(settingsPath);
    ui->checkEnabled->setChecked(key::Enabled.read(settings.text(key::Enabled.name)).value_or(key::Enabled.fallback));
    const QString listen = settings.text(key::Listen.name).trimmed();
    ui->lineEditListen->setText(listen.isEmpty() ? QString(key::Listen.fallback) : listen);
    ui->spinPort->setValue(key::Port.read(settings.text(key::Port.name)).value_or(key::Port.fallback));
    ui->lineEditCertificate->setText(settings.text(key::Certificate));
    ui->lineEditKey->setText(settings.text(key::Key));
}

void RemoteAccessDialog::showServing()
{
    if (ui->lineEditAddress->text() != remote.address()) {
        ui->lineEditAddress->setText(remote.address());
    }
    if (ui->lineEditFingerprint->text() != remote.fingerprint()) {
        ui->lineEditFingerprint->setText(remote.fingerprint());
        ui->lineEditFingerprint->setCursorPosition(0);
    }
    ui->buttonCopy->setEnabled(!remote.fingerprint().isEmpty());
    const QString browsers = tr("Browsers connected: %1").arg(remote.browsers());
    if (ui->labelBrowsers->text() != browsers) {
        ui->labelBrowsers->setText(browsers);
    }
}

void RemoteAccessDialog::showUsers()
{
    const QString current = ui->treeUsers->currentItem() != nullptr ? ui->treeUsers->currentItem()->text(0) : QString();
    ui->treeUsers->clear();
    for (const remoteaccounts::User& user : remoteaccounts::Store(accountsPath()).users()) {
        auto* item = new QTreeWidgetItem(
            ui->treeUsers, {user.name, user.role == remoteaccounts::Role::Viewer ? tr("Viewer") : tr("Operator")});
        if (user.name == current) {
            ui->treeUsers->setCurrentItem(item);
        }
    }
    if (ui->treeUsers->currentItem() == nullptr && ui->treeUsers->topLevelItemCount() > 0) {
        ui->treeUsers->setCurrentItem(ui->treeUsers->topLevelItem(0));
    }
    ui->buttonRemoveUser->setEnabled(ui->treeUsers->currentItem() != nullptr);
}

void RemoteAccessDialog::showProblem(QWidget* field, const QString& problem)
{
    ui->labelProblem->setText(problem);
    // Read with the field as the focus lands on it.
    field->setAccessibleDescription(problem);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    }
}

std::optional<RemoteAccessDialog::Keys> RemoteAccessDialog::typed()
{
    ui->labelProblem->clear();
    ui->lineEditListen->setAccessibleDescription(ui->labelListenHint->text());
    ui->spinPort->setAccessibleDescription(QString());
    ui->lineEditCertificate->setAccessibleDescription(ui->labelFilesHint->text());
    ui->lineEditKey->setAccessibleDescription(ui->labelFilesHint->text());

    const bool enabled = ui->checkEnabled->isChecked();
    QString listen = ui->lineEditListen->text().trimmed();
    if (listen.isEmpty()) {
        listen = key::Listen.fallback;
    }
    QHostAddress address;
    if (!address.setAddress(listen)) {
        showProblem(ui->lineEditListen,
                    tr("Listen address: “%1” is not an IP address, as 127.0.0.1 or 0.0.0.0").arg(listen));
        return std::nullopt;
    }
    if (!ui->spinPort->hasAcceptableInput()) {
        showProblem(ui->spinPort, tr("Port: a number from %1 to %2").arg(key::Port.lowest).arg(key::Port.highest));
        return std::nullopt;
    }
    const remotecertificate::Files files {ui->lineEditCertificate->text().trimmed(), ui->lineEditKey->text().trimmed()};
    if (files.certificate.isEmpty() != files.key.isEmpty()) {
        showProblem(files.certificate.isEmpty() ? ui->lineEditCertificate : ui->lineEditKey,
                    tr("Certificate and Key: both PEM files, or neither for the station's own certificate"));
        return std::nullopt;
    }
    // Only the operator's own files: the station's are made as it serves.
    if (enabled && !files.certificate.isEmpty()) {
        const QString error = remotecertificate::load(files, settingsPath).error;
        if (!error.isEmpty()) {
            showProblem(ui->lineEditCertificate, error);
            return std::nullopt;
        }
    }
    return Keys {{key::Enabled.name, enabled ? QStringLiteral("true") : QStringLiteral("false")},
                 {key::Listen.name, listen},
                 {key::Port.name, QString::number(ui->spinPort->value())},
                 {key::Certificate, files.certificate},
                 {key::Key, files.key}};
}

void RemoteAccessDialog::tryAccept()
{
    const std::optional<Keys> keys = typed();
    if (!keys) {
        return;
    }
    const QString problem = apply(*keys);
    showServing();
    // Stays open with what was typed when it could not be stored or served.
    if (!problem.isEmpty()) {
        showProblem(ui->checkEnabled, problem);
        return;
    }
    accept();
}

void RemoteAccessDialog::browse(QLineEdit* field, const QString& title)
{
    const QString chosen =
        QFileDialog::getOpenFileName(this, title, field->text(), tr("PEM files (*.pem *.crt *.key);;All files (*)"));
    if (!chosen.isEmpty()) {
        field->setText(chosen);
    }
    field->setFocus();
}

void RemoteAccessDialog::addUser()
{
    auto* dialog = new AddUserDialog(this);
    dialog->setObjectName(QStringLiteral("addUserDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    applyDialogTheme(dialog);
    dialog->setWindowTitle(tr("Add User"));
    auto* name = new QLineEdit(dialog);
    name->setMaxLength(remoteaccounts::MaxNameLength);
    name->setAccessibleName(tr("User name"));
    name->setToolTip(tr("Letters, digits, '.', '_' or '-'"));
    name->setAccessibleDescription(name->toolTip());
    auto* password = new QLineEdit(dialog);
    password->setEchoMode(QLineEdit::Password);
    password->setAccessibleName(tr("Password"));
    auto* again = new QLineEdit(dialog);
    again->setEchoMode(QLineEdit::Password);
    again->setAccessibleName(tr("Password again"));
    auto* viewer = new QCheckBox(tr("&Viewer: sees everything, switches nothing"), dialog);
    viewer->setAccessibleName(tr("Viewer: sees everything, switches nothing"));
    auto* problem = new QLabel(dialog);
    problem->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    auto* layout = new QFormLayout(dialog);
    layout->addRow(tr("&Name"), name);
    layout->addRow(tr("Pass&word"), password);
    layout->addRow(tr("&Again"), again);
    layout->addRow(viewer);
    layout->addRow(problem);
    layout->addRow(buttons);
    dialog->setMinimumWidth(dialog->sizeHint().width() + 80);

    const auto refuse = [problem](QLineEdit* field, const QString& text) {
        problem->setText(text);
        field->setAccessibleDescription(text);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    };
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, dialog, [=] {
        if (dialog->busy) {
            return;
        }
        const QString user = name->text().trimmed();
        if (!remoteaccounts::validName(user)) {
            refuse(name,
                   tr("A user name is 1 to %1 letters, digits, '.', '_' or '-'").arg(remoteaccounts::MaxNameLength));
            return;
        }
        if (password->text().isEmpty()) {
            refuse(password, tr("Type a password"));
            return;
        }
        if (password->text() != again->text()) {
            refuse(again, tr("The two passwords differ: type the same one twice"));
            again->clear();
            return;
        }
        const remoteaccounts::Store store(accountsPath());
        const bool replacing = store.entry(user).has_value();
        if (replacing &&
            QMessageBox::question(dialog, tr("Add User"),
                                  tr("There is a user %1 already. Give it this password and role?").arg(user)) !=
                QMessageBox::Yes) {
            return;
        }
        dialog->busy = true;
        for (QWidget* w : std::initializer_list<QWidget*> {name, password, again, viewer, buttons}) {
            w->setEnabled(false);
        }
        problem->setText(tr("Adding %1…").arg(user));
        dialog->setCursor(Qt::BusyCursor);
        const QString path = store.filePath();
        const QByteArray secret = password->text().toUtf8();
        const remoteaccounts::Role role =
            viewer->isChecked() ? remoteaccounts::Role::Viewer : remoteaccounts::Role::Operator;
        auto error = std::make_shared<QString>();
        // Off the window's thread: the hash takes a third of a second.
        QThread* worker = QThread::create(
            [path, user, secret, role, error] { *error = remoteaccounts::Store(path).add(user, secret, role); });
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        connect(worker, &QThread::finished, dialog, [=] {
            dialog->busy = false;
            dialog->unsetCursor();
            for (QWidget* w : std::initializer_list<QWidget*> {name, password, again, viewer, buttons}) {
                w->setEnabled(true);
            }
            if (!error->isEmpty()) {
                refuse(name, *error);
                return;
            }
            // A new password or role counts from the next login.
            if (replacing) {
                remote.endSessionsOf(user);
            }
            showUsers();
            for (int i = 0; i < ui->treeUsers->topLevelItemCount(); ++i) {
                if (ui->treeUsers->topLevelItem(i)->text(0) == user) {
                    ui->treeUsers->setCurrentItem(ui->treeUsers->topLevelItem(i));
                }
            }
            dialog->accept();
        });
        worker->start();
    });
    name->setFocus();
    dialog->open();
}

void RemoteAccessDialog::removeUser()
{
    const QTreeWidgetItem* item = ui->treeUsers->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString user = item->text(0);
    if (QMessageBox::question(this, tr("Remove User"),
                              tr("Remove %1? Its browsers are logged out at once.").arg(user)) != QMessageBox::Yes) {
        return;
    }
    const QString error = remoteaccounts::Store(accountsPath()).remove(user);
    if (!error.isEmpty()) {
        messages::warning(this, tr("Remove User"), error);
    } else {
        remote.endSessionsOf(user);
    }
    showUsers();
    ui->treeUsers->setFocus();
}
