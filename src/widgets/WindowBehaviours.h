#pragma once
// Reusable window behaviours of the registers: Enter moving to the next control, and a window
// close command (close box, Alt+F4, Esc in dialogs) that is ignored.
#include <QObject>
#include <QPointer>

class QWidget;

namespace widgets {

// Pressing Enter anywhere in `window` moves the focus to the next control instead of acting on
// the focused one. Multi-line texts keep Enter for their line breaks; open pop-up lists too.
class EnterMovesFocus : public QObject {
    Q_OBJECT
public:
    static EnterMovesFocus *install(QWidget *window);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterMovesFocus(QWidget *window);
    QPointer<QWidget> window_;
};

// The window's close command is ignored: it is left only through its own buttons, which call
// permitClose() right before close().
class IgnoreCloseCommand : public QObject {
    Q_OBJECT
public:
    static IgnoreCloseCommand *install(QWidget *window);
    // Lets the next close through (a "Sair" button).
    void permitClose() { permitted_ = true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit IgnoreCloseCommand(QWidget *window);
    QPointer<QWidget> window_;
    bool permitted_ = false;
};

} // namespace widgets
