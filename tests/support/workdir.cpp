#include "workdir.h"

#include "config/activation.h"
#include "config/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

WorkDir::WorkDir() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

WorkDir::~WorkDir()
{
    QDir::setCurrent(m_previous);
}

QString WorkDir::file(const QString &relative) const
{
    QString r = relative;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_dir.filePath(r);
}

void WorkDir::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

void WorkDir::writeLines(const QString &relative, const QStringList &lines) const
{
    write(relative, crlf(lines));
}

QByteArray WorkDir::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool WorkDir::exists(const QString &relative) const
{
    return QFileInfo::exists(file(relative));
}

void WorkDir::writeEmptyConfigRoot() const
{
    using namespace zok;
    writeLines(paths::ActivationFile, activationFileLines(false));
    writeLines(paths::ClothingKitFile, {"{", "\"m_ZOKConfig_Clothing\": [", "   ]", "}"});
    writeLines(paths::WeaponKitFile, {"{", "\"m_ZOKConfig_Weapons\": [", "   ]", "}"});
    writeLines(paths::GeneralKitFile, {"{", "\"m_ZOKConfig_Loot\": [", "   ]", "}"});
}

void WorkDir::copyExampleConfigRoot() const
{
    const QDir source(QStringLiteral(ZOK_EXAMPLES));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        QFile f(from);
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read example %s", qPrintable(from));
        write(source.relativeFilePath(from), f.readAll());
    }
}
