#pragma once

#include <QString>
#include <exception>

namespace zok {

// Every failure carries the exact text the user sees; handlers let it travel
// up to the guard at the signal connection.
class Error : public std::exception {
public:
    explicit Error(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

class OpenError : public Error {
public:
    OpenError(const QString &fullPath, const QString &cause)
        : Error(QStringLiteral("Cannot open file \"%1\". %2").arg(fullPath, cause)) {}
};

class CreateError : public Error {
public:
    CreateError(const QString &fullPath, const QString &cause)
        : Error(QStringLiteral("Cannot create file \"%1\". %2").arg(fullPath, cause)) {}
};

class ListIndexError : public Error {
public:
    explicit ListIndexError(qsizetype index)
        : Error(QStringLiteral("List index out of bounds (%1)").arg(index)) {}
};

class ConversionError : public Error {
public:
    explicit ConversionError(const QString &value)
        : Error(QStringLiteral("'%1' is not a valid integer value").arg(value)) {}
};

// The error box appends a full stop unless the text already ends in one
// (or in any character at or below it).
QString withFullStop(const QString &text);

} // namespace zok
