#include "core/Prompt.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QQueue>
#include <QRegularExpression>

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

void record(const char *kind, const QString &title, const QString &text, const QString &dir = QString())
{
    Script &s = script();
    s.shown.append({QLatin1String(kind), title, text, dir});
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
                   Prompt::Buttons buttons, Prompt::Button defaultButton, const Prompt::NamedButtons &names = {},
                   Prompt::Button escapeButton = QMessageBox::NoButton)
{
    Script &s = script();
    record(kind, title, text);
    if (s.on) {
        if (!s.answers.isEmpty())
            return s.answers.dequeue();
        return defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
    }
    QMessageBox mb(icon, title, text, buttons, parent);
    for (const auto &named : names)
        mb.button(named.first)->setText(named.second);
    if (defaultButton != QMessageBox::NoButton)
        mb.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        mb.setEscapeButton(escapeButton);
    return static_cast<Prompt::Button>(mb.exec());
}

QString fileName(const char *kind, const QString &caption, const QString &dir, const QString &filter)
{
    Script &s = script();
    record(kind, caption, filter, dir);
    return s.fileNames.isEmpty() ? QString() : s.fileNames.dequeue();
}

// "TXP Files (*.TXP;*.TXU)" -> the same text, then "(*.TXP *.txp *.TXU *.txu)": the dialog
// reads the last parenthesised group as blank-separated patterns and, told to hide it, shows
// the rest.
QString dialogFilter(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    for (const QString &one : parts) {
        const int open = one.lastIndexOf(QLatin1Char('('));
        const int close = one.lastIndexOf(QLatin1Char(')'));
        if (open < 0 || close < open) {
            filters << one;
            continue;
        }
        QStringList patterns;
        const QStringList written = one.mid(open + 1, close - open - 1)
                                        .split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
        for (const QString &p : written) {
            for (const QString &variant : {p, p.toLower(), p.toUpper()}) {
                if (!patterns.contains(variant))
                    patterns << variant;
            }
        }
        filters << one + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString runFileDialog(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                      QFileDialog::AcceptMode mode, QString *selectedFilter = nullptr)
{
    const std::unique_ptr<QFileDialog> dialog = Prompt::fileDialog(parent, caption, dir, filter, mode);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    if (selectedFilter) {
        // The dialog shows the filters with their case variants; hand back the one as given.
        const int chosen = dialogFilter(filter).split(QStringLiteral(";;")).indexOf(dialog->selectedNameFilter());
        *selectedFilter = filter.split(QStringLiteral(";;")).value(chosen);
    }
    return dialog->selectedFiles().value(0);
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

Prompt::Button Prompt::choose(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                              const NamedButtons &buttons, Button defaultButton, Button escapeButton)
{
    Buttons all;
    for (const auto &named : buttons)
        all |= named.first;
    return box(icon, icon == QMessageBox::Question ? "question" : "warning", parent, title, text, all, defaultButton,
               buttons, escapeButton);
}

QString Prompt::openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (script().on)
        return fileName("open", caption, dir, filter);
    record("open", caption, filter, dir);
    return runFileDialog(parent, caption, dir, filter, QFileDialog::AcceptOpen);
}

QString Prompt::saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                             QString *selectedFilter)
{
    if (script().on) {
        if (selectedFilter)
            *selectedFilter = filter.section(QStringLiteral(";;"), 0, 0);
        return fileName("save", caption, dir, filter);
    }
    record("save", caption, filter, dir);
    return runFileDialog(parent, caption, dir, filter, QFileDialog::AcceptSave, selectedFilter);
}

std::unique_ptr<QFileDialog> Prompt::fileDialog(QWidget *parent, const QString &caption, const QString &dir,
                                                const QString &filter, QFileDialog::AcceptMode mode)
{
    // As QFileDialog::getOpenFileName and getSaveFileName set their dialogs up.
    auto dialog = std::make_unique<QFileDialog>(parent, caption, dir, dialogFilter(filter));
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return dialog;
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
