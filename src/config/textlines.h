#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace zok {

enum class TextEncoding {
    None,     // never loaded: saved like Ansi
    Ansi,     // no byte-order mark
    Utf8,     // EF BB BF
    Utf16LE,  // FF FE
    Utf16BE,  // FE FF
};

// Resolves a config path written with backslashes against the current
// working directory, at the moment of the call, with native separators.
QString fullPath(const QString &relativePath);

// Byte-level codec behind the line list. Outside Windows the "ANSI code
// page" reads valid UTF-8 as UTF-8 and anything else as Windows-1252, and
// writes UTF-8 without a mark; ASCII is the same bytes either way.
TextEncoding detectEncoding(const QByteArray &bytes, qsizetype *markLength);
QString decodeText(const QByteArray &bytes, TextEncoding encoding);
QByteArray encodeText(const QString &text, TextEncoding encoding);
QStringList splitLines(const QString &text);

class LineList {
public:
    LineList() = default;
    explicit LineList(QStringList lines) : m_lines(std::move(lines)) {}

    void load(const QString &relativePath);
    void save(const QString &relativePath) const;

    void add(const QString &text) { m_lines.append(text); }
    qsizetype count() const { return m_lines.size(); }
    const QString &line(qsizetype index) const;

    const QStringList &lines() const { return m_lines; }
    void setLines(QStringList lines) { m_lines = std::move(lines); }
    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

    // The file's bytes as save() writes them.
    QByteArray toBytes() const;

private:
    QStringList m_lines;
    TextEncoding m_encoding = TextEncoding::None;
};

// Reads a file's bytes, raising the open failure; shared by every reader.
QByteArray readFileBytes(const QString &relativePath);

// Replaces a file whole through a temporary file beside it, so a failed save
// leaves the old file untouched; raises the create failure.
void writeFileBytes(const QString &relativePath, const QByteArray &bytes);

namespace testing {
// When set, called after the new content is written but before the file is
// committed; returning true makes that save fail part way through.
void setInterruptSave(std::function<bool(const QString &fullPath)> hook);
}

bool contains(const QString &text, const QString &part);
QString ExtractBetween(const QString &text, const QString &startMarker, const QString &endMarker);

} // namespace zok
