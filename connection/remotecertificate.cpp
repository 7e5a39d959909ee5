#include "connection/remotecertificate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QSaveFile>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace remotecertificate {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Remote)
};

template<typename T, void (*Free)(T*)>
struct Freer
{
    void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Freer<EVP_PKEY, EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Freer<X509, X509_free>>;
using Extension = std::unique_ptr<X509_EXTENSION, Freer<X509_EXTENSION, X509_EXTENSION_free>>;
using Bio = std::unique_ptr<BIO, Freer<BIO, BIO_free_all>>;

QByteArray bioBytes(BIO* bio)
{
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return QByteArray(data, int(size));
}

bool addExtension(X509* certificate, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    const Extension extension(X509V3_EXT_conf_nid(nullptr, &context, nid, value));
    return extension && X509_add_ext(certificate, extension.get(), -1) == 1;
}

// The key never exists on disk with more than its owner's permissions.
QString writeOwnerOnly(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        const QString error = file.errorString();
        file.remove();
        return error;
    }
    return QString();
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return QString();
}

} // namespace

Files ownFilesFor(const QString& settingsPath)
{
    const QFileInfo settings(settingsPath);
    QString base = settings.completeBaseName();
    base = base.startsWith(QLatin1String("settings")) ? QStringLiteral("remote") + base.mid(8)
                                                      : QStringLiteral("remote-") + base;
    return {settings.dir().filePath(base + QStringLiteral(".crt")),
            settings.dir().filePath(base + QStringLiteral(".key"))};
}

QString make(const Files& files, const QString& commonName)
{
    const Key key(EVP_EC_gen("P-256"));
    const Certificate certificate(X509_new());
    if (!key || !certificate) {
        return Text::tr("no key could be made");
    }
    X509_set_version(certificate.get(), 2);
    unsigned char serial[16];
    if (RAND_bytes(serial, sizeof serial) != 1) {
        return Text::tr("no random numbers for the certificate");
    }
    serial[0] &= 0x7f; // a positive number
    BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
    BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate.get()));
    BN_free(number);
    // A day back, so a browser whose clock is a little behind takes it.
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -24L * 3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), 3650L * 24 * 3600);
    X509_set_pubkey(certificate.get(), key.get());
    X509_NAME* name = X509_get_subject_name(certificate.get());
    const QByteArray cn = commonName.toUtf8().left(64);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("Zarel"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(cn.constData()), -1,
                               -1, 0);
    X509_set_issuer_name(certificate.get(), name);
    QByteArray names = "DNS:localhost,IP:127.0.0.1,IP:::1";
    const QByteArray host = QHostInfo::localHostName().toLatin1();
    if (!host.isEmpty() && host.count('.') < 10 && !host.contains(',') && host != "localhost") {
        names = "DNS:" + host + ',' + names;
    }
    if (!addExtension(certificate.get(), NID_subject_alt_name, names.constData()) ||
        !addExtension(certificate.get(), NID_basic_constraints, "critical,CA:FALSE") ||
        !addExtension(certificate.get(), NID_key_usage, "critical,digitalSignature") ||
        !addExtension(certificate.get(), NID_ext_key_usage, "serverAuth") ||
        X509_sign(certificate.get(), key.get(), EVP_sha256()) == 0) {
        return Text::tr("the certificate could not be signed");
    }
    const Bio keyBio(BIO_new(BIO_s_mem()));
    const Bio certificateBio(BIO_new(BIO_s_mem()));
    if (!keyBio || !certificateBio ||
        PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1 ||
        PEM_write_bio_X509(certificateBio.get(), certificate.get()) != 1) {
        return Text::tr("the certificate could not be written out");
    }
    if (const QString error = writeOwnerOnly(files.key, bioBytes(keyBio.get())); !error.isEmpty()) {
        return Text::tr("%1 cannot be written: %2").arg(files.key, error);
    }
    if (const QString error = writeWhole(files.certificate, bioBytes(certificateBio.get())); !error.isEmpty()) {
        QFile::remove(files.key);
        return Text::tr("%1 cannot be written: %2").arg(files.certificate, error);
    }
    return QString();
}

Loaded load(const Files& given, const QString& settingsPath)
{
    Loaded loaded;
    Files files = given;
    if (files.certificate.isEmpty() != files.key.isEmpty()) {
        loaded.error = Text::tr("Remote access needs both a Certificate and a Key, or neither");
        return loaded;
    }
    if (files.certificate.isEmpty()) {
        files = ownFilesFor(settingsPath);
        if (!QFileInfo::exists(files.certificate) || !QFileInfo::exists(files.key)) {
            const QString host = QHostInfo::localHostName();
            if (const QString error = make(files, host.isEmpty() ? QStringLiteral("zarel") : host); !error.isEmpty()) {
                loaded.error = Text::tr("No certificate for remote access: %1").arg(error);
                return loaded;
            }
            loaded.made = true;
        }
    }
    QFile certificateFile(files.certificate);
    QFile keyFile(files.key);
    // A PEM file is small; anything large is not one.
    constexpr qint64 most = 1024 * 1024;
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        loaded.error = Text::tr("The certificate for remote access cannot be read: %1")
                           .arg(certificateFile.isOpen() ? keyFile.errorString() : certificateFile.errorString());
        return loaded;
    }
    const QList<QSslCertificate> chain = QSslCertificate::fromData(certificateFile.read(most), QSsl::Pem);
    const QByteArray keyBytes = keyFile.read(most);
    QSslKey key(keyBytes, QSsl::Ec, QSsl::Pem);
    if (key.isNull()) {
        key = QSslKey(keyBytes, QSsl::Rsa, QSsl::Pem);
    }
    if (chain.isEmpty() || chain.first().isNull() || key.isNull()) {
        loaded.error = Text::tr("%1 or %2 is not a PEM certificate and key")
                           .arg(QFileInfo(files.certificate).fileName(), QFileInfo(files.key).fileName());
        return loaded;
    }
    loaded.certificate = chain.first();
    loaded.key = key;
    return loaded;
}

QString fingerprint(const QSslCertificate& certificate)
{
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
    QStringList pairs;
    for (int i = 0; i + 1 < digest.size(); i += 2) {
        pairs << QString::fromLatin1(digest.mid(i, 2));
    }
    return pairs.join(QLatin1Char(':'));
}

} // namespace remotecertificate
