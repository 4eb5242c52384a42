#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file dialog of the program goes through here, so tests can script the
// answers (next button, next file name) and read back what the operator would have seen.
class Prompt
{
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    static Button information(QWidget *parent, const QString &title, const QString &text,
                              Buttons buttons = QMessageBox::Ok);
    static Button warning(QWidget *parent, const QString &title, const QString &text, Buttons buttons = QMessageBox::Ok,
                          Button defaultButton = QMessageBox::NoButton);
    static Button critical(QWidget *parent, const QString &title, const QString &text,
                           Buttons buttons = QMessageBox::Ok);
    static Button question(QWidget *parent, const QString &title, const QString &text,
                           Buttons buttons = QMessageBox::Yes | QMessageBox::No,
                           Button defaultButton = QMessageBox::NoButton);

    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    // selectedFilter, when given, receives the filter the operator chose (scripted: the first).
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                QString *selectedFilter = nullptr);

    // --- test scripting ---
    // While scripted, nothing modal is shown: boxes return the next queued answer (or their
    // default button, else the first of their buttons) and file dialogs the next queued name
    // (or an empty text, as on Cancel).
    static void setScripted(bool scripted);
    static bool isScripted();
    static void queueAnswer(Button answer);
    static void queueFileName(const QString &fileName);
    static void clearScript(); // empties the queues and the record
    struct Shown
    {
        QString kind; // "information", "warning", "critical", "question", "open", "save"
        QString title;
        QString text; // the message, or the filter for a file dialog
    };
    static QList<Shown> shown();
    static Shown last();
    static QString lastTitle() { return last().title; }
    static QString lastText() { return last().text; }
    static int count();
};
