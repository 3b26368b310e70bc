#include "widgets/WindowBehaviours.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace widgets {

namespace {

// The next control in the window's tab order that can take the focus, as Tab would pick it.
void moveToNext(QWidget *from)
{
    QWidget *window = from->window();
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

EnterMovesFocus::EnterMovesFocus(QWidget *window) : QObject(window), window_(window)
{
    // The whole application is watched so that controls added later are covered too; only
    // keys aimed at this window's controls are taken.
    qApp->installEventFilter(this);
}

EnterMovesFocus *EnterMovesFocus::install(QWidget *window)
{
    return new EnterMovesFocus(window);
}

bool EnterMovesFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !window_)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || (w != window_ && !window_->isAncestorOf(w)))
        return false;
    if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
        return false;
    // The event reaches the focus widget and then its parents; act once, on the focus widget.
    if (w != QApplication::focusWidget() && w != window_)
        return true;
    moveToNext(QApplication::focusWidget() ? QApplication::focusWidget() : window_.data());
    return true;
}

IgnoreCloseCommand::IgnoreCloseCommand(QWidget *window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

IgnoreCloseCommand *IgnoreCloseCommand::install(QWidget *window)
{
    return new IgnoreCloseCommand(window);
}

bool IgnoreCloseCommand::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    if (event->type() == QEvent::Close) {
        if (permitted_) {
            permitted_ = false;
            return false;
        }
        event->ignore();
        return true;
    }
    // A dialog's Esc is another way of closing it.
    if (event->type() == QEvent::KeyPress && qobject_cast<QDialog *>(window_) &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return false;
}

} // namespace widgets
