// libFuzzer target for the settings reader: any file an operator, a damaged
// disk or an attacker can leave. The store reads it without crashing or
// hanging (QSettings alone aborts on a crafted @Variant), and a file it
// writes reads back the same through a plain QSettings.
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/settingsstore.h"

namespace {

QString plainText(const QVariant& value)
{
    return value.userType() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", "))
                                                      : value.toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static int files = 0;
    // A new name each time: QSettings answers from what it read of a name.
    const QString path = dir.filePath(QStringLiteral("settings%1.ini").arg(++files));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != qint64(size)) {
            std::abort();
        }
    }
    SettingsStore store(path);
    for (const QString& key : store.keys()) {
        store.text(key);
    }
    const QString caption = QString::fromUtf8("\xf0\x9f\x93\xa1 \xe5\xb1\x80, Yagi");
    store.setValue(QStringLiteral("K1"), caption);
    if (store.sync()) {
        const SettingsStore again(path);
        const QSettings plain(path, QSettings::IniFormat);
        if (again.text(QStringLiteral("K1")) != caption || plain.allKeys().size() != again.keys().size()) {
            std::abort();
        }
        for (const QString& key : plain.allKeys()) {
            if (again.contains(key) && again.text(key) != plainText(plain.value(key))) {
                std::abort();
            }
        }
    }
    QFile::remove(path);
    return 0;
}
