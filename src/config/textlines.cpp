#include "config/textlines.h"

#include "config/errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zok {

QString withFullStop(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

QString fullPath(const QString &relativePath)
{
    QString path = relativePath;
    // The config paths are written with backslashes; a full path the user
    // picked is taken as it is (a backslash is a legal name character here).
    if (QDir::isRelativePath(path))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

TextEncoding detectEncoding(const QByteArray &bytes, qsizetype *markLength)
{
    auto startsWith = [&bytes](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (unsigned char b : mark)
            if (static_cast<unsigned char>(bytes[i++]) != b)
                return false;
        return true;
    };
    if (startsWith({0xEF, 0xBB, 0xBF})) {
        *markLength = 3;
        return TextEncoding::Utf8;
    }
    if (startsWith({0xFF, 0xFE})) {
        *markLength = 2;
        return TextEncoding::Utf16LE;
    }
    if (startsWith({0xFE, 0xFF})) {
        *markLength = 2;
        return TextEncoding::Utf16BE;
    }
    *markLength = 0;
    return TextEncoding::Ansi;
}

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned
// bytes map to the C1 controls of the same value, as Windows does, so no
// byte is ever lost.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString decodeWith(QStringConverter::Encoding encoding, const QByteArray &bytes, bool *failed)
{
    // Keep a second mark after the one already skipped: it is text. Stateless:
    // a sequence cut off at the end of the file counts as invalid instead of
    // being held back, so no trailing character can vanish.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom
                                         | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (failed)
        *failed = decoder.hasError();
    return text;
}

} // namespace

QString decodeText(const QByteArray &bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return decodeWith(QStringConverter::Utf8, bytes, nullptr);
    case TextEncoding::Utf16LE:
        return decodeWith(QStringConverter::Utf16LE, bytes, nullptr);
    case TextEncoding::Utf16BE:
        return decodeWith(QStringConverter::Utf16BE, bytes, nullptr);
    case TextEncoding::None:
    case TextEncoding::Ansi:
        break;
    }
#ifdef Q_OS_WIN
    return decodeWith(QStringConverter::System, bytes, nullptr);
#else
    bool invalid = false;
    QString text = decodeWith(QStringConverter::Utf8, bytes, &invalid);
    return invalid ? decodeCp1252(bytes) : text;
#endif
}

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    QStringConverter::Encoding target = QStringConverter::Utf8;
    QByteArray mark;
    switch (encoding) {
    case TextEncoding::Utf8:
        mark = QByteArray("\xEF\xBB\xBF", 3);
        break;
    case TextEncoding::Utf16LE:
        target = QStringConverter::Utf16LE;
        mark = QByteArray("\xFF\xFE", 2);
        break;
    case TextEncoding::Utf16BE:
        target = QStringConverter::Utf16BE;
        mark = QByteArray("\xFE\xFF", 2);
        break;
    case TextEncoding::None:
    case TextEncoding::Ansi:
#ifdef Q_OS_WIN
        target = QStringConverter::System;
#endif
        break;
    }
    QStringEncoder encoder(target);
    return mark + QByteArray(encoder.encode(text));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        lines.append(text.mid(pos, end - pos));
        pos = end;
        if (pos < n && text[pos] == QLatin1Char('\r'))
            ++pos;
        if (pos < n && text[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return lines;
}

QByteArray readFileBytes(const QString &relativePath)
{
    const QString path = fullPath(relativePath);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OpenError(path, file.errorString());
    return file.readAll();
}

namespace {
std::function<bool(const QString &)> &interruptHook()
{
    static std::function<bool(const QString &)> hook;
    return hook;
}
} // namespace

void testing::setInterruptSave(std::function<bool(const QString &)> hook)
{
    interruptHook() = std::move(hook);
}

void writeFileBytes(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = fullPath(relativePath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CreateError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        throw CreateError(path, cause);
    }
    if (interruptHook() && interruptHook()(path)) {
        file.cancelWriting();
        throw CreateError(path, QStringLiteral("The write was interrupted"));
    }
    if (!file.commit())
        throw CreateError(path, file.errorString());
}

void LineList::load(const QString &relativePath)
{
    const QByteArray bytes = readFileBytes(relativePath);
    qsizetype markLength = 0;
    const TextEncoding encoding = detectEncoding(bytes, &markLength);
    m_lines = splitLines(decodeText(bytes.mid(markLength), encoding));
    m_encoding = encoding;
}

QByteArray LineList::toBytes() const
{
    QString text;
    qsizetype size = 0;
    for (const QString &l : m_lines)
        size += l.size() + 2;
    text.reserve(size);
    for (const QString &l : m_lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    return encodeText(text, m_encoding);
}

void LineList::save(const QString &relativePath) const
{
    writeFileBytes(relativePath, toBytes());
}

const QString &LineList::line(qsizetype index) const
{
    if (index < 0 || index >= m_lines.size())
        throw ListIndexError(index);
    return m_lines[index];
}

bool contains(const QString &text, const QString &part)
{
    if (text.isEmpty() || part.isEmpty())
        return false;
    return text.contains(part, Qt::CaseSensitive);
}

QString ExtractBetween(const QString &text, const QString &startMarker, const QString &endMarker)
{
    if (startMarker.isEmpty() || endMarker.isEmpty())
        return QString();
    const qsizetype p = text.indexOf(startMarker, 0, Qt::CaseSensitive);
    if (p < 0)
        return QString();
    const qsizetype s = p + startMarker.size();
    if (s > text.size())
        return QString();
    const qsizetype q = text.indexOf(endMarker, s, Qt::CaseSensitive);
    if (q < 0)
        return QString();
    return text.mid(s, q - s);
}

} // namespace zok
