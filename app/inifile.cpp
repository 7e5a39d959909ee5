#include "app/inifile.h"

#include <QDataStream>
#include <QTextCodec>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool isLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
}

// Ends a run of ordinary characters in a line.
bool isSpecial(char ch)
{
    return isLineEnd(ch) || ch == '"' || ch == ';' || ch == '=' || ch == '\\';
}

bool isUtf8(const char* data, int size)
{
    if (std::all_of(data, data + size, [](char ch) { return (ch & 0x80) == 0; })) {
        return true;
    }
    static QTextCodec* const utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    utf8->toUnicode(data, size, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// Keys compare as QSettings compares them: without case on Windows.
QString compareKey(const QString& key)
{
#ifdef Q_OS_WIN
    return key.toLower();
#else
    return key;
#endif
}

struct Line
{
    int start = 0;
    int size = 0;
    int equals = -1;
    bool open = false; // ends the data in a quote or an escape
};

// The next line with content from pos on. A line ends at an unquoted line
// end or ';'; a ';' that opens a line makes it a comment; a backslash keeps
// the next character (a line end, with its partner) in the line.
bool readLine(const QByteArray& data, int& pos, Line& line)
{
    const int size = data.size();
    bool quoted = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && (isBlank(data.at(line.start)) || isLineEnd(data.at(line.start)))) {
        ++line.start;
    }
    int i = line.start;
    bool escaped = false; // the line ends in a backslash, or an escaped line end
    while (i < size) {
        const int run = i;
        while (i < size && !isSpecial(data.at(i))) {
            ++i;
        }
        escaped = escaped && i == run;
        if (i == size) {
            break;
        }
        const char ch = data.at(i++);
        escaped = false;
        if (ch == '=') {
            if (!quoted && line.equals == -1) {
                line.equals = i - 1;
            }
        } else if (isLineEnd(ch)) {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            escaped = true;
            if (i < size) {
                const char next = data.at(i++);
                if (i < size && isLineEnd(next) && isLineEnd(data.at(i)) && next != data.at(i)) {
                    ++i;
                }
                escaped = isLineEnd(next);
            }
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (i == line.start + 1) { // ';' opening the line
            while (i < size && !isLineEnd(data.at(i))) {
                ++i;
            }
            // As QSettings does: the blanks and line ends after a comment
            // go with it, so an indented key below one keeps its name.
            while (i < size && (isBlank(data.at(i)) || isLineEnd(data.at(i)))) {
                ++i;
            }
            line.start = i;
        } else if (!quoted) {
            --i;
            break;
        }
    }
    line.open = i == size && (quoted || escaped);
    pos = i;
    line.size = i - line.start;
    return line.size > 0;
}

// Where the line holding pos ends, past its line end.
int lineEndAfter(const QByteArray& data, int pos)
{
    const int size = data.size();
    while (pos < size && !isLineEnd(data.at(pos))) {
        ++pos;
    }
    if (pos < size && data.at(pos) == '\r' && pos + 1 < size && data.at(pos + 1) == '\n') {
        return pos + 2;
    }
    return pos < size ? pos + 1 : size;
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

// "a\\b%20c" as the key "a/b c": '\' for '/', %XX and %UXXXX for the rest.
QString unescapedKey(const QByteArray& data, int from, int to)
{
    QString key;
    int i = from;
    while (i < to) {
        const char ch = data.at(i);
        if (ch == '\\') {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            key += QLatin1Char(ch);
            ++i;
            continue;
        }
        const int digits = data.at(i + 1) == 'U' ? 4 : 2;
        const int first = digits == 4 ? i + 2 : i + 1;
        bool ok = first + digits <= to;
        const int code = ok ? data.mid(first, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            key += QLatin1Char('%');
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

struct Unescaped
{
    QString text;
    QStringList parts; // when an unquoted comma made a list
    bool isList = false;
    bool beyondAscii = false; // an escape gave a character beyond ASCII
};

void chopTrailingBlanks(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t'))) {
        --n;
    }
    text.truncate(n);
}

// A value's raw text as QSettings reads it: quotes, C escapes, \x and octal
// escapes, commas that split a list, blanks around the parts dropped.
Unescaped unescape(const QByteArray& raw, int from, int to, bool utf8)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    Unescaped result;
    QString& text = result.text;
    bool inQuotes = false;
    bool partQuoted = false;
    bool chop = true; // an escape cut short at the end keeps the blanks
    int i = from;
    const auto skipBlanks = [&] {
        while (i < to && isBlank(raw.at(i))) {
            ++i;
        }
    };
    const auto addEscaped = [&](uint code) {
        text += QChar(ushort(code & 0xffff));
        result.beyondAscii = result.beyondAscii || (code & 0xffff) > 0x7f;
    };
    skipBlanks();
    int chopLimit = 0;
    while (i < to) {
        const char ch = raw.at(i);
        if (ch == '\\') {
            if (++i >= to) {
                chop = false;
                break;
            }
            const char code = raw.at(i++);
            const auto known = std::find_if(std::begin(escapes), std::end(escapes),
                                            [code](const char(&pair)[2]) { return pair[0] == code; });
            if (known != std::end(escapes)) {
                text += QLatin1Char((*known)[1]);
            } else if (code == 'x' || (code >= '0' && code <= '7')) {
                const bool hex = code == 'x';
                if (hex && (i >= to || hexValue(raw.at(i)) < 0)) {
                    chop = i < to;
                    if (i >= to) {
                        break;
                    }
                    chopLimit = text.size();
                    continue;
                }
                uint value = hex ? 0 : uint(code - '0');
                while (i < to && (hex ? hexValue(raw.at(i)) >= 0 : (raw.at(i) >= '0' && raw.at(i) <= '7'))) {
                    value = hex ? value * 16 + uint(hexValue(raw.at(i))) : value * 8 + uint(raw.at(i) - '0');
                    ++i;
                }
                addEscaped(value);
                if (i >= to) {
                    chop = false;
                    break;
                }
            } else if (isLineEnd(code)) {
                if (i < to && isLineEnd(raw.at(i)) && raw.at(i) != code) {
                    ++i;
                }
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            partQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!partQuoted) {
                chopTrailingBlanks(text, chopLimit);
            }
            result.isList = true;
            result.parts.append(text);
            text.clear();
            partQuoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && raw.at(j) != '\\' && raw.at(j) != '"' && raw.at(j) != ',') {
                ++j;
            }
            text +=
                utf8 ? QString::fromUtf8(raw.constData() + i, j - i) : QString::fromLatin1(raw.constData() + i, j - i);
            i = j;
        }
    }
    if (chop && !partQuoted) {
        chopTrailingBlanks(text, chopLimit);
    }
    if (result.isList) {
        result.parts.append(text);
    }
    return result;
}

QVariant stringToVariant(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@'))) {
        return text;
    }
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray("))) {
            return text.midRef(11, text.size() - 12).toLatin1();
        }
        const bool dateTime = text.startsWith(QLatin1String("@DateTime("));
        if (dateTime || text.startsWith(QLatin1String("@Variant("))) {
            QByteArray data = text.midRef(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&data, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant value;
            // A few bytes can claim a container of hundreds of millions of
            // entries: such a value is kept as the text it is.
            try {
                stream >> value;
            } catch (const std::bad_alloc&) {
                return text;
            }
            return value;
        }
        if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    return text.startsWith(QLatin1String("@@")) ? QVariant(text.mid(1)) : QVariant(text);
}

QVariant listToVariant(const QStringList& parts)
{
    QStringList texts = parts;
    for (QString& part : texts) {
        if (!part.startsWith(QLatin1Char('@'))) {
            continue;
        }
        if (!part.startsWith(QLatin1String("@@"))) {
            QVariantList values;
            for (const QString& each : parts) {
                values.append(stringToVariant(each));
            }
            return values;
        }
        part.remove(0, 1);
    }
    return texts;
}

void escapedKey(const QString& key, QByteArray& out)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    for (const QChar qch : key) {
        const uint ch = qch.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                   ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xff) {
            out += '%';
            out += hexDigits[ch / 16];
            out += hexDigits[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) {
                out += hexDigits[(ch >> shift) & 0xf];
            }
        }
    }
}

QString variantToString(const QVariant& value)
{
    if (inifile::writtenAsText(value)) {
        const QString text = value.toString();
        return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    }
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) + QLatin1Char(')');
    default: {
        QByteArray data;
        {
            QDataStream stream(&data, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            stream << value;
        }
        return QStringLiteral("@Variant(") + QString::fromLatin1(data) + QLatin1Char(')');
    }
    }
}

// As QSettings writes a text in UTF-8: C escapes for control characters, a
// hex digit after a \x escape escaped too, quotes around ',', ';', '=' or
// blanks at either end.
void escapedString(const QString& text, QByteArray& out)
{
    const bool raw = text.startsWith(QLatin1String("@ByteArray(")) || text.startsWith(QLatin1String("@Variant("));
    const int start = out.size();
    bool quote = false;
    bool escapeHexDigit = false;
    for (int i = 0; i < text.size(); ++i) {
        const uint ch = text.at(i).unicode();
        quote = quote || ch == ';' || ch == ',' || ch == '=';
        if (escapeHexDigit && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeHexDigit = false;
        static const char controls[] = "\a\b\f\n\r\t\v";
        static const char letters[] = "abfnrtv";
        if (ch == 0) {
            out += "\\0";
            escapeHexDigit = true;
        } else if (ch < 0x80 && std::strchr(controls, int(ch)) != nullptr) {
            out += '\\';
            out += letters[std::strchr(controls, int(ch)) - controls];
        } else if (ch == '"' || ch == '\\') {
            out += '\\';
            out += char(ch);
        } else if (ch <= 0x1f || (ch >= 0x7f && raw)) {
            out += "\\x" + QByteArray::number(ch, 16);
            escapeHexDigit = true;
        } else if (ch < 0x80) {
            out += char(ch);
        } else if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += text.midRef(i, 2).toUtf8();
            ++i;
        } else {
            out += QString(text.at(i)).toUtf8();
        }
    }
    if (quote || (start < out.size() && (out.at(start) == ' ' || out.endsWith(' ')))) {
        out.insert(start, '"');
        out += '"';
    }
}

} // namespace

namespace inifile {

Document::Document(const QByteArray& data)
    : bytes(data)
{
    bodyStart = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const int lf = bytes.indexOf('\n');
    if (lf >= 0) {
        eol = lf > 0 && bytes.at(lf - 1) == '\r' ? "\r\n" : "\n";
    } else if (bytes.contains('\r')) {
        eol = "\r";
    } else {
#ifdef Q_OS_WIN
        eol = "\r\n";
#else
        eol = "\n";
#endif
    }

    QString section; // "" or "Name/"
    QString ownSection = sectionKey(section); // as compared
    QVector<QString> sectionOf; // of each entry
    winners.reserve(bytes.count('\n') + 1);
    int pos = bodyStart;
    Line line;
    while (readLine(bytes, pos, line)) {
        openAtEnd = line.open;
        const char first = bytes.at(line.start);
        if (first == '[') {
            // Searched within the line only: a file of "[" lines must not
            // scan to its end for each.
            const int close = QByteArray::fromRawData(bytes.constData() + line.start, line.size).indexOf(']');
            const bool closed = close >= 0;
            hasFlaw = hasFlaw || !closed;
            const QByteArray name = bytes.mid(line.start + 1, closed ? close - 1 : line.size - 1).trimmed();
            if (qstricmp(name.constData(), "general") == 0) {
                section.clear();
            } else {
                section = qstricmp(name.constData(), "%general") == 0 ? QString::fromLatin1(name.mid(1))
                                                                      : unescapedKey(name, 0, name.size());
                section += QLatin1Char('/');
            }
            ownSection = sectionKey(section);
            blocks.append({ownSection, lineEndAfter(bytes, line.start + line.size)});
            continue;
        }
        if (line.equals < 0) {
            hasFlaw = hasFlaw || first != ';';
            continue;
        }
        int keyEnd = line.equals;
        while (keyEnd > line.start && isBlank(bytes.at(keyEnd - 1))) {
            --keyEnd;
        }
        Entry entry;
        entry.key = section + unescapedKey(bytes, line.start, keyEnd);
        entry.rawStart = line.equals + 1;
        entry.rawEnd = line.start + line.size;
        entry.latin1 = !isUtf8(bytes.constData() + entry.rawStart, entry.rawEnd - entry.rawStart);
        const Unescaped value = unescape(bytes, entry.rawStart, entry.rawEnd, !entry.latin1);
        entry.value = value.isList ? listToVariant(value.parts) : stringToVariant(value.text);
        entry.chars = value.isList ? 0 : value.text.size();
        for (const QString& part : value.parts) {
            entry.chars += part.size();
        }
        entry.escapedBeyondAscii = value.beyondAscii;

        // QSettings reads the sections in the order of their names, each
        // in file order, and the last value read wins.
        int& winner = winners[compareKey(entry.key)];
        const bool wins = winner == 0 || sectionOf.at(winner - 1) <= ownSection;
        if (wins && winner != 0) {
            shadowed[winner - 1] = true;
        }
        if (wins) {
            winner = all.size() + 1;
        }
        all.append(entry);
        shadowed.append(!wins);
        sectionOf.append(ownSection);
        // Keys before the first section header are top-level ones.
        if (blocks.isEmpty()) {
            blocks.append({sectionKey(QString()), 0});
        }
        blocks.last().insertAt = lineEndAfter(bytes, line.start + line.size);
    }
}

QString Document::sectionKey(const QString& section) const
{
    return compareKey(section);
}

const Entry* Document::find(const QString& key) const
{
    const int winner = winners.value(compareKey(key));
    return winner == 0 ? nullptr : &all.at(winner - 1);
}

QVector<const Entry*> Document::entries() const
{
    QVector<const Entry*> result;
    result.reserve(all.size());
    for (int i = 0; i < all.size(); ++i) {
        if (!shadowed.at(i)) {
            result.append(&all.at(i));
        }
    }
    return result;
}

QByteArray Document::edited(const QVector<Change>& changes) const
{
    struct Edit
    {
        int at;
        int removed;
        QByteArray text;
        int order;
    };
    QHash<QString, int> last;
    for (int i = 0; i < changes.size(); ++i) {
        last.insert(compareKey(changes.at(i).first), i);
    }
    QVector<Edit> edits;
    QVector<QByteArray> added(blocks.size());
    QByteArray newTop;
    QVector<QPair<QString, QByteArray>> newSections; // section as compared, its text
    for (int i = 0; i < changes.size(); ++i) {
        const QString& key = changes.at(i).first;
        if (last.value(compareKey(key)) != i) {
            continue;
        }
        const QByteArray value = encodedValue(changes.at(i).second);
        if (const Entry* entry = find(key)) {
            edits.append({entry->rawStart, entry->rawEnd - entry->rawStart, value, i});
            continue;
        }
        const int slash = key.indexOf(QLatin1Char('/'));
        QByteArray line;
        escapedKey(slash < 0 ? key : key.mid(slash + 1), line);
        line += '=' + value + eol;
        const QString section = slash < 0 ? QString() : key.left(slash + 1);
        int block = blocks.size() - 1;
        while (block >= 0 && blocks.at(block).section != sectionKey(section)) {
            --block;
        }
        if (block >= 0) {
            added[block] += line;
        } else if (section.isEmpty()) {
            newTop += line;
        } else {
            auto open = std::find_if(newSections.begin(), newSections.end(), [&](const QPair<QString, QByteArray>& s) {
                return s.first == sectionKey(section);
            });
            if (open == newSections.end()) {
                QByteArray header;
                escapedKey(section.chopped(1), header);
                header = qstricmp(header.constData(), "general") == 0 ? QByteArray("[%General]") : '[' + header + ']';
                newSections.append({sectionKey(section), header + eol});
                open = newSections.end() - 1;
            }
            open->second += line;
        }
    }
    const bool empty = bytes.size() == bodyStart;
    const bool openLastLine = !empty && !isLineEnd(bytes.at(bytes.size() - 1));
    const bool addsAtEnd = !newSections.isEmpty() || std::any_of(blocks.begin(), blocks.end(), [&](const Block& block) {
        return block.insertAt == bytes.size() && !added.at(int(&block - blocks.data())).isEmpty();
    });
    if (openAtEnd && addsAtEnd) {
        // A quote or an escape left open at the end would take in what is
        // added there: the file is written out whole, as QSettings would.
        QVector<Change> whole;
        for (const Entry* entry : entries()) {
            whole.append({entry->key, entry->value});
        }
        return Document().edited(whole + changes);
    }
    for (int block = 0; block < blocks.size(); ++block) {
        if (!added.at(block).isEmpty()) {
            const int at = blocks.at(block).insertAt;
            // After any replacement at the same place: an empty value at the
            // very end must not be cut off from its key by the new lines.
            edits.append(
                {at, 0, (at == bytes.size() && openLastLine ? eol : QByteArray()) + added.at(block), INT_MAX - 1});
        }
    }
    if (!newTop.isEmpty()) {
        edits.append({bodyStart, 0, "[General]" + eol + newTop + (empty ? QByteArray() : eol), -1});
    }
    if (!newSections.isEmpty()) {
        QByteArray tail = openLastLine ? eol : QByteArray();
        bool apart = !empty || !newTop.isEmpty();
        for (const auto& section : newSections) {
            tail += (apart ? eol : QByteArray()) + section.second;
            apart = true;
        }
        edits.append({bytes.size(), 0, tail, INT_MAX});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.at != b.at ? a.at < b.at : a.order < b.order; });
    QByteArray out;
    out.reserve(bytes.size() + 256);
    int from = 0;
    for (const Edit& edit : edits) {
        out += bytes.mid(from, edit.at - from) + edit.text;
        from = edit.at + edit.removed;
    }
    return out + bytes.mid(from);
}

QByteArray encodedValue(const QVariant& value)
{
    QByteArray out;
    const bool list = value.userType() == QMetaType::QStringList ||
        (value.userType() == QMetaType::QVariantList && value.toList().size() != 1);
    if (!list) {
        escapedString(variantToString(value), out);
        return out;
    }
    const QVariantList parts = value.toList();
    if (parts.isEmpty()) {
        return QByteArrayLiteral("@Invalid()");
    }
    for (int i = 0; i < parts.size(); ++i) {
        if (i != 0) {
            out += ", ";
        }
        escapedString(variantToString(parts.at(i)), out);
    }
    return out;
}

QString joinAsTyped(const QStringList& parts, const QByteArray& raw)
{
    QString text = parts.value(0);
    int next = 1;
    bool quoted = false;
    int i = 0;
    while (i < raw.size() && isBlank(raw.at(i))) {
        ++i;
    }
    for (int last = i; i < raw.size(); ++i) {
        const char ch = raw.at(i);
        if (ch == '\\') {
            ++i;
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (ch == ',' && !quoted && next < parts.size()) {
            // QSettings drops the blanks around the comma, but a quoted part
            // may keep those before it; blanks at the very end go.
            const bool keptBlank = text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t'));
            int before = i;
            while (!keptBlank && before > last && isBlank(raw.at(before - 1))) {
                --before;
            }
            last = i + 1;
            while (last < raw.size() && isBlank(raw.at(last))) {
                ++last;
            }
            const int end = last < raw.size() ? last : i + 1;
            text += QString::fromLatin1(raw.mid(before, end - before)) + parts.at(next++);
            i = last - 1;
        }
    }
    return next == parts.size() ? text : parts.join(QStringLiteral(", "));
}

bool writtenAsText(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString keyAsCompared(const QString& key)
{
    return compareKey(key);
}

} // namespace inifile
