#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

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

    // A box whose buttons say what they do ("Open Read-Only", "Overwrite"): each is a standard
    // button, which keeps its place, its role and its scripted answer, shown with its own text.
    // Recorded as "question" or "warning" by the icon.
    using NamedButtons = QVector<QPair<Button, QString>>;
    static Button choose(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                         const NamedButtons &buttons, Button defaultButton, Button escapeButton);

    // filter: as the operator reads it, "Name (*.A;*.B)" (";;" between several). dir: the
    // folder to start in, or a proposed file name.
    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    // selectedFilter, when given, receives the filter the operator chose, as given in `filter`
    // (scripted: the first).
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                QString *selectedFilter = nullptr);
    // The dialog the two above run when not scripted (tests list a folder in it). It shows the
    // filter's text as given and matches files by its patterns in the dialog's own syntax, in
    // the cases files come with, since some platforms' dialogs match case.
    static std::unique_ptr<QFileDialog> fileDialog(QWidget *parent, const QString &caption, const QString &dir,
                                                   const QString &filter, QFileDialog::AcceptMode mode);

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
        QString dir;  // a file dialog's folder or proposed name
    };
    static QList<Shown> shown();
    static Shown last();
    static QString lastTitle() { return last().title; }
    static QString lastText() { return last().text; }
    static int count();
};
