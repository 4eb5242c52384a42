#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers our own modal dialogs while a test's call runs them: every few milliseconds it looks
// at the active modal window and, the first time it sees a window of a class it has a handler
// for, runs that handler on it (which usually fills in fields and clicks a button). A handler
// given later for the same class replaces an earlier one. A window shown again counts as new:
// the link settings window, for one, is the same object each time it opens.
class ModalDriver : public QObject
{
public:
    ModalDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == m_last)
            m_last = nullptr;
        return false;
    }

    void on(const char *className, std::function<void(QWidget *)> handler)
    {
        m_handlers.append({QByteArray(className), std::move(handler)});
    }
    // Class names of the modal windows seen, in order.
    QList<QByteArray> seen() const { return m_seen; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || !modal->isVisible())
            return;
        m_last = modal;
        const QByteArray name = modal->metaObject()->className();
        m_seen << name;
        for (int i = m_handlers.size() - 1; i >= 0; --i) {
            if (m_handlers.at(i).first == name) {
                // Run outside this timer's slot: a handler that opens the next modal window
                // blocks, and a timer does not fire again while its own slot runs.
                auto handler = m_handlers.at(i).second;
                QPointer<QWidget> target = modal;
                QTimer::singleShot(0, modal, [handler, target] {
                    if (target && target->isVisible())
                        handler(target);
                });
                return;
            }
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_last;
    QList<QByteArray> m_seen;
    QList<QPair<QByteArray, std::function<void(QWidget *)>>> m_handlers;
};
