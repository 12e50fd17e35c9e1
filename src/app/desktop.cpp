#include "app/desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace zok {

QString QtDesktop::chooseOpenFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent);
}

void QtDesktop::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDesktop::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
    box.exec();
}

void QtDesktop::showStartupError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text,
                    QMessageBox::Ok);
    box.exec();
}

void QtDesktop::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace zok
