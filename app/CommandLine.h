#pragma once

#include <QCoreApplication>
#include <QStringList>

// The editor's command line: an optional file to open, --help and --version, which print and
// exit, and nothing else: an unknown option is refused rather than opened as a file.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    enum class Outcome
    {
        Run,   // start the editor, with file() when one was named
        Print, // print text() on stdout and exit with 0
        Refuse // print text() on stderr and exit with 2
    };

    // arguments: the program name first, as main receives them (or as Qt left them after taking
    // its own options).
    explicit CommandLine(const QStringList &arguments);

    Outcome outcome() const { return m_outcome; }
    QString text() const { return m_text; }
    QString file() const { return m_file; }

    static QString helpText();
    static QString versionText();

private:
    Outcome m_outcome = Outcome::Run;
    QString m_text;
    QString m_file;
};
