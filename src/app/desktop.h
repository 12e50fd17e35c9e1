#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace zok {

// Everything that needs a person or the desktop. Tests pass a recording
// fake, so no test ever waits on a modal box.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The chosen file's full path, or an empty string when cancelled.
    virtual QString chooseOpenFile(QWidget *parent) = 0;
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    virtual void showError(QWidget *parent, const QString &text) = 0;
    virtual void showStartupError(const QString &text) = 0;
    virtual void openUrl(const QUrl &url) = 0;
};

class QtDesktop : public Desktop {
public:
    QString chooseOpenFile(QWidget *parent) override;
    void showMessage(QWidget *parent, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    void showStartupError(const QString &text) override;
    void openUrl(const QUrl &url) override;
};

} // namespace zok
