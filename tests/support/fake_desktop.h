#pragma once

#include "app/desktop.h"

#include <QStringList>
#include <QUrl>

// Records what the window asked of the desktop; answers file choices from a
// queue (an empty string is a cancel).
class FakeDesktop : public zok::Desktop {
public:
    QStringList filesToChoose;
    int fileDialogsShown = 0;
    QStringList messages;
    QStringList errors;
    QStringList startupErrors;
    QList<QUrl> openedUrls;

    QString chooseOpenFile(QWidget *) override
    {
        ++fileDialogsShown;
        return filesToChoose.isEmpty() ? QString() : filesToChoose.takeFirst();
    }
    void showMessage(QWidget *, const QString &text) override { messages << text; }
    void showError(QWidget *, const QString &text) override { errors << text; }
    void showStartupError(const QString &text) override { startupErrors << text; }
    void openUrl(const QUrl &url) override { openedUrls << url; }
};
