#include "seams/Shell.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

namespace seams {
namespace {

class RealShell : public ShellSeam {
public:
    bool openAddress(const QString &address) override
    {
        const QUrl url = QUrl::fromUserInput(address);
        return QDesktopServices::openUrl(url);
    }
    bool startProgram(const QString &path, const QStringList &arguments) override
    {
        return QProcess::startDetached(path, arguments);
    }
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
};

ShellSeam *&current()
{
    static RealShell real;
    static ShellSeam *seam = &real;
    return seam;
}

} // namespace

ShellSeam &shell() { return *current(); }

ScopedShell::ScopedShell(ShellSeam *seam) : previous_(current())
{
    if (seam)
        current() = seam;
}
ScopedShell::~ScopedShell() { current() = previous_; }

bool RecordingShell::openAddress(const QString &address)
{
    opened << address;
    return true;
}

bool RecordingShell::startProgram(const QString &path, const QStringList &arguments)
{
    started << (QStringList{path} + arguments).join(QLatin1Char(' '));
    return true;
}

QString RecordingShell::openFileName(QWidget *, const QString &caption, const QString &)
{
    dialogs << caption;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString RecordingShell::saveFileName(QWidget *, const QString &caption, const QString &, const QString &)
{
    dialogs << caption;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

} // namespace seams
