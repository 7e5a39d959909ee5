#ifndef ZAREL_REMOTECERTIFICATE_H
#define ZAREL_REMOTECERTIFICATE_H

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

// The browser panel's certificate: the operator's own PEM files, or one the
// station makes for itself once (remote<PROFILE>.crt and .key beside the
// settings, the key readable by its owner alone), which a browser can only
// trust by its fingerprint.
namespace remotecertificate {

struct Files
{
    QString certificate;
    QString key;
};

struct Loaded
{
    QSslCertificate certificate;
    QSslKey key;
    QString error; // empty: loaded
    bool made = false; // made just now
};

// The files the station makes for the settings file at `settingsPath`.
Files ownFilesFor(const QString& settingsPath);

// The operator's files when given (both), else the station's own, made
// when they are not there yet.
Loaded load(const Files& given, const QString& settingsPath);

// Makes a self-signed certificate for `commonName` (ECDSA P-256, ten years),
// written to `files`. Empty: done; otherwise why not.
QString make(const Files& files, const QString& commonName);

// "AB:CD:..." of the certificate's SHA-256, as browsers show it.
QString fingerprint(const QSslCertificate& certificate);

} // namespace remotecertificate

#endif // ZAREL_REMOTECERTIFICATE_H
