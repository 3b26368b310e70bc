#include "seams/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace seams {
namespace {

class DialogMessages : public MessageSeam {
public:
    QMessageBox::StandardButton ask(QWidget *parent, const MessageRequest &r) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(r.caption);
        box.setText(r.text);
        box.setStandardButtons(r.buttons);
        if (r.defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(r.defaultButton);
        switch (r.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

MessageSeam *&current()
{
    static DialogMessages dialogs;
    static MessageSeam *seam = &dialogs;
    return seam;
}

} // namespace

QString programTitle()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("mirabelta") : QFileInfo(path).completeBaseName();
}

void showMessage(const QString &text, QWidget *parent)
{
    messages().ask(parent, {programTitle(), text, Icon::None, QMessageBox::Ok});
}

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, const QString &caption,
                                       Icon icon, QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton)
{
    return messages().ask(parent, {caption, text, icon, buttons, defaultButton});
}

void showError(const QString &text, QWidget *parent)
{
    messages().ask(parent, {programTitle(), text, Icon::Error, QMessageBox::Ok});
}

MessageSeam &messages()
{
    return *current();
}

ScopedMessages::ScopedMessages(MessageSeam *seam) : previous_(current())
{
    if (seam)
        current() = seam;
}
ScopedMessages::~ScopedMessages()
{
    current() = previous_;
}

QMessageBox::StandardButton RecordingMessages::ask(QWidget *, const MessageRequest &request)
{
    shown.append(request);
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (request.buttons & QMessageBox::Yes)
        return QMessageBox::Yes;
    return QMessageBox::Ok;
}

QStringList RecordingMessages::texts() const
{
    QStringList out;
    for (const auto &m : shown)
        out << m.text;
    return out;
}

} // namespace seams
