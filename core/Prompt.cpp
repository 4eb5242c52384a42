#include "core/Prompt.h"

#include <QFileDialog>
#include <QQueue>

namespace {
struct Script
{
    bool on = false;
    QQueue<Prompt::Button> answers;
    QQueue<QString> fileNames;
    QList<Prompt::Shown> shown;
};

Script &script()
{
    static Script s;
    return s;
}

void record(const char *kind, const QString &title, const QString &text)
{
    Script &s = script();
    s.shown.append({QLatin1String(kind), title, text});
    // Outside tests nobody reads the record back; keep it short.
    if (!s.on && s.shown.size() > 20)
        s.shown.removeFirst();
}

Prompt::Button firstButton(Prompt::Buttons buttons)
{
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons & bit)
            return static_cast<Prompt::Button>(bit);
    }
    return QMessageBox::NoButton;
}

Prompt::Button box(QMessageBox::Icon icon, const char *kind, QWidget *parent, const QString &title, const QString &text,
                   Prompt::Buttons buttons, Prompt::Button defaultButton)
{
    Script &s = script();
    record(kind, title, text);
    if (s.on) {
        if (!s.answers.isEmpty())
            return s.answers.dequeue();
        return defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
    }
    QMessageBox mb(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        mb.setDefaultButton(defaultButton);
    return static_cast<Prompt::Button>(mb.exec());
}

QString fileName(const char *kind, const QString &caption, const QString &filter)
{
    Script &s = script();
    record(kind, caption, filter);
    return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
}
} // namespace

Prompt::Button Prompt::information(QWidget *parent, const QString &title, const QString &text, Buttons buttons)
{
    return box(QMessageBox::Information, "information", parent, title, text, buttons, QMessageBox::NoButton);
}

Prompt::Button Prompt::warning(QWidget *parent, const QString &title, const QString &text, Buttons buttons,
                               Button defaultButton)
{
    return box(QMessageBox::Warning, "warning", parent, title, text, buttons, defaultButton);
}

Prompt::Button Prompt::critical(QWidget *parent, const QString &title, const QString &text, Buttons buttons)
{
    return box(QMessageBox::Critical, "critical", parent, title, text, buttons, QMessageBox::NoButton);
}

Prompt::Button Prompt::question(QWidget *parent, const QString &title, const QString &text, Buttons buttons,
                                Button defaultButton)
{
    return box(QMessageBox::Question, "question", parent, title, text, buttons, defaultButton);
}

QString Prompt::openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (script().on)
        return fileName("open", caption, filter);
    record("open", caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompt::saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                             QString *selectedFilter)
{
    if (script().on) {
        if (selectedFilter)
            *selectedFilter = filter.section(QStringLiteral(";;"), 0, 0);
        return fileName("save", caption, filter);
    }
    record("save", caption, filter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter);
}

void Prompt::setScripted(bool scripted)
{
    script().on = scripted;
}

bool Prompt::isScripted()
{
    return script().on;
}

void Prompt::queueAnswer(Button answer)
{
    script().answers.enqueue(answer);
}

void Prompt::queueFileName(const QString &fileName)
{
    script().fileNames.enqueue(fileName);
}

void Prompt::clearScript()
{
    Script &s = script();
    s.answers.clear();
    s.fileNames.clear();
    s.shown.clear();
}

QList<Prompt::Shown> Prompt::shown()
{
    return script().shown;
}

Prompt::Shown Prompt::last()
{
    return script().shown.isEmpty() ? Shown{} : script().shown.last();
}

int Prompt::count()
{
    return script().shown.size();
}
