#include "app/CommandLine.h"

CommandLine::CommandLine(const QStringList &arguments)
{
    bool options = true;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (options && arg == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && (arg == QLatin1String("-h") || arg == QLatin1String("--help"))) {
            m_outcome = Outcome::Print;
            m_text = helpText();
            return;
        }
        if (options && (arg == QLatin1String("-v") || arg == QLatin1String("--version"))) {
            m_outcome = Outcome::Print;
            m_text = versionText();
            return;
        }
        if (options && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            m_outcome = Outcome::Refuse;
            m_text = tr("plu-manager: unknown option '%1'\nTry 'plu-manager --help'.\n").arg(arg);
            return;
        }
        if (!m_file.isEmpty()) {
            m_outcome = Outcome::Refuse;
            m_text =
                tr("plu-manager: one file at a time ('%1' and '%2')\nTry 'plu-manager --help'.\n").arg(m_file, arg);
            return;
        }
        m_file = arg;
    }
}

QString CommandLine::helpText()
{
    return tr("Usage: plu-manager [OPTION] [FILE]\n"
              "Edits the PLU list of retail label scales and sends it to the scales.\n"
              "FILE, when given, is opened at start: a PLU list (.txp, .txu, .csv) or a hotkey sheet (.hotk).\n"
              "\n"
              "  -h, --help     print this help and exit\n"
              "  -v, --version  print the version and exit\n"
              "  --             take what follows as a file name, even when it starts with '-'\n"
              "\n"
              "Qt's own options (-platform, -style, ...) are taken as well.\n"
              "The user guide opens with F1 or Help > User Guide.\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("plu-manager " PLU_VERSION "\n");
}
