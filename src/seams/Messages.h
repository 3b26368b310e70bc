#pragma once
// The message seam: every message box and question of the program goes through here, so tests
// can read what was shown and answer it without a modal loop.
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace seams {

enum class Icon { None, Information, Warning, Error, Question };

struct MessageRequest {
    QString caption; // window title
    QString text;
    Icon icon = Icon::None;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // The button Enter presses; NoButton leaves the choice to the dialog.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual QMessageBox::StandardButton ask(QWidget *parent, const MessageRequest &request) = 0;
};

// The program title used as the caption of plain messages: the executable's name without extension.
QString programTitle();

// Plain message with the program title as caption and an OK button.
void showMessage(const QString &text, QWidget *parent = nullptr);
// Message box with a caption, an icon and buttons; returns the button pressed.
QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, const QString &caption,
                                       Icon icon, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                       QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// The application's general error box.
void showError(const QString &text, QWidget *parent = nullptr);

MessageSeam &messages();
// Installs a seam until the returned guard dies (tests); nullptr restores the real dialogs.
class ScopedMessages {
public:
    explicit ScopedMessages(MessageSeam *seam);
    ~ScopedMessages();
    ScopedMessages(const ScopedMessages &) = delete;
    ScopedMessages &operator=(const ScopedMessages &) = delete;

private:
    MessageSeam *previous_;
};

// A scripted seam for tests: records every message and answers from a queue (default: Yes/OK).
class RecordingMessages : public MessageSeam {
public:
    QList<MessageRequest> shown;
    QList<QMessageBox::StandardButton> answers;
    QMessageBox::StandardButton ask(QWidget *parent, const MessageRequest &request) override;
    QStringList texts() const;
};

} // namespace seams
