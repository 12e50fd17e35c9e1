#pragma once

#include "app/desktop.h"
#include "config/textlines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

// Answers file dialogs from a queue and prints what the window would show.
class BenchDesktop : public zok::Desktop {
public:
    QStringList filesToChoose;
    QString chooseOpenFile(QWidget *) override
    {
        return filesToChoose.isEmpty() ? QString() : filesToChoose.takeFirst();
    }
    void showMessage(QWidget *, const QString &) override {}
    void showError(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    void showStartupError(const QString &text) override { showError(nullptr, text); }
    void openUrl(const QUrl &) override {}
};

// The benchmarks run the real window without a display.
inline void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline QString fixture(const QString &name)
{
    return QStringLiteral(ZOK_FIXTURES "/economy/") + name;
}

// Type names of the real types file, for realistic generated input.
inline QStringList realTypeNames()
{
    zok::LineList lines;
    lines.load(fixture(QStringLiteral("types.xml")));
    QStringList names;
    static const QRegularExpression type(QStringLiteral("<type name=\"([^\"]*)\">"));
    for (const QString &l : lines.lines()) {
        const auto m = type.match(l);
        if (m.hasMatch())
            names << m.captured(1);
    }
    return names;
}

// A types file made of the real file's type blocks, repeated with numbered
// names until it has at least minLines lines.
inline qsizetype writeGeneratedTypesFile(const QString &path, qsizetype minLines)
{
    zok::LineList real;
    real.load(fixture(QStringLiteral("types.xml")));
    const QStringList &src = real.lines();
    const qsizetype first = src.indexOf(QStringLiteral("<types>")) + 1;
    const qsizetype last = src.lastIndexOf(QStringLiteral("</types>"));
    QStringList out = src.mid(0, first);
    int round = 0;
    do {
        for (qsizetype i = first; i < last; ++i) {
            QString l = src[i];
            if (round > 0 && l.contains(QStringLiteral("<type name=")))
                l.replace(QStringLiteral("\">"), QStringLiteral("_%1\">").arg(round));
            out << l;
        }
        ++round;
    } while (out.size() + (src.size() - last) < minLines);
    out << src.mid(last);
    zok::LineList file(out);
    file.save(path);
    return out.size();
}

struct Figures {
    std::vector<double> ms;
    void add(double v) { ms.push_back(v); }
    double median() const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        return s.empty() ? 0 : s[s.size() / 2];
    }
    double mean() const
    {
        double sum = 0;
        for (double v : ms)
            sum += v;
        return ms.empty() ? 0 : sum / ms.size();
    }
    double min() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

inline double msSince(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// kB figures from /proc/self/status ("VmHWM", "VmRSS").
inline long procStatusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toLong();
    return -1;
}
