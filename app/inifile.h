#ifndef ZAREL_INIFILE_H
#define ZAREL_INIFILE_H

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The settings file's INI text, read and edited by the rules QSettings reads
// and writes it with (sections, ';' comments, quotes, escapes, an unquoted
// comma making a list), so files of either kind read the same. Two things
// differ, and keep the operator's file whole:
// - each value is decoded on its own: UTF-8 when its bytes are UTF-8, else
//   Latin-1, so a stray byte spoils no other value;
// - an edit rewrites only the values it changes, and adds the keys that are
//   new; every other byte, comments and unknown keys included, stays.
namespace inifile {

struct Entry
{
    QString key; // as spelled in the file, with its section: "BandFollow/Source"
    QVariant value; // as QSettings gives it: a text, a list of texts, ...
    int rawStart = 0; // the value's bytes in the file, after the '='
    int rawEnd = 0;
    int chars = 0; // characters once decoded
    bool latin1 = false; // its bytes are not UTF-8
    bool escapedBeyondAscii = false; // written by older versions as \x escapes
};

using Change = QPair<QString, QVariant>;

class Document
{
public:
    explicit Document(const QByteArray& data = QByteArray());

    const QByteArray& data() const { return bytes; }
    // The entry QSettings would read for key, or none.
    const Entry* find(const QString& key) const;
    // Every key's winning entry, in file order.
    QVector<const Entry*> entries() const;
    // A line that is neither a section, an entry nor a comment.
    bool flawed() const { return hasFlaw; }

    // The text with each change's value written over its key's own, and the
    // keys not there yet added to the end of their section (a new section
    // goes at the end; a new top-level key under [General], which opens the
    // file). Later changes to one key win. A file whose end is left open (a
    // quote, an escape) that would swallow what is added there is written out
    // whole instead, without its comments.
    QByteArray edited(const QVector<Change>& changes) const;

private:
    struct Block
    {
        QString section; // compared as keys are: "" is the top level
        int insertAt; // after its last entry, or after its header
    };
    QString sectionKey(const QString& section) const;

    QByteArray bytes;
    QVector<Entry> all;
    QHash<QString, int> winners; // by key as compared: 1 + index in all
    QVector<bool> shadowed; // of each entry: a later one wins
    QVector<Block> blocks;
    QByteArray eol;
    int bodyStart = 0; // after a byte order mark
    bool hasFlaw = false;
    bool openAtEnd = false; // a quote or an escape runs to the end
};

// How QSettings writes a value after "key=", in UTF-8.
QByteArray encodedValue(const QVariant& value);

// The parts QSettings split a value into, joined with the commas and blanks
// typed between them in raw; as QSettings writes a list when raw does not
// hold them all.
QString joinAsTyped(const QStringList& parts, const QByteArray& raw);

// Whether QSettings writes a value of this type as its toString() text.
bool writtenAsText(const QVariant& value);

// A key as keys are compared: without case on Windows, as QSettings does.
QString keyAsCompared(const QString& key);

} // namespace inifile

#endif // ZAREL_INIFILE_H
