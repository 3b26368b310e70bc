#pragma once
// The shell seam: opening an address in the browser, starting a program, and file dialogs.
// Tests record the requests and answer the dialogs.
#include <QString>
#include <QStringList>

class QWidget;

namespace seams {

class ShellSeam {
public:
    virtual ~ShellSeam() = default;
    // The workstation's "open" action on an address or a file; false when nothing handled it.
    virtual bool openAddress(const QString &address) = 0;
    // Starts a program by path (detached); false when it could not be started.
    virtual bool startProgram(const QString &path, const QStringList &arguments) = 0;
    // The system's file-open dialog; empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // The system's save dialog; empty when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;
};

ShellSeam &shell();

class ScopedShell {
public:
    explicit ScopedShell(ShellSeam *seam);
    ~ScopedShell();
    ScopedShell(const ScopedShell &) = delete;
    ScopedShell &operator=(const ScopedShell &) = delete;

private:
    ShellSeam *previous_;
};

// Tests: records what was asked and answers the dialogs from queues (empty: cancelled).
class RecordingShell : public ShellSeam {
public:
    QStringList opened;
    QStringList started; // "path arg1 arg2"
    QStringList openAnswers, saveAnswers;
    QStringList dialogs; // captions of the dialogs shown
    bool openAddress(const QString &address) override;
    bool startProgram(const QString &path, const QStringList &arguments) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override;
};

} // namespace seams
