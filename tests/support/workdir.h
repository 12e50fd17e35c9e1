#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private working directory for one test: the process's current directory
// moves into it for the test's lifetime.
class WorkDir {
public:
    WorkDir();
    ~WorkDir();
    WorkDir(const WorkDir &) = delete;
    WorkDir &operator=(const WorkDir &) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;  // absolute path, '/' or '\\' accepted

    void write(const QString &relative, const QByteArray &bytes) const;
    // Lines joined with CR LF after each, as the editor writes them.
    void writeLines(const QString &relative, const QStringList &lines) const;
    QByteArray read(const QString &relative) const;
    bool exists(const QString &relative) const;

    // A complete config root: activation switch off, the three kit files
    // with no kits, the five smol crate folders' parent.
    void writeEmptyConfigRoot() const;
    // The bundled example config root.
    void copyExampleConfigRoot() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QByteArray crlf(const QStringList &lines);
