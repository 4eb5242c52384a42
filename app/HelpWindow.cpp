#include "app/HelpWindow.h"

#include "core/AppPaths.h"
#include "core/Language.h"
#include "core/ScreenFit.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_browser->setObjectName(QStringLiteral("guideBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(ScreenFit::bounded(QSize(860, 720)));
}

QString HelpWindow::guideFile(const QString &language)
{
    // The working folder's first, as for the pictures and translations.
    const QString folder = QFileInfo::exists(QStringLiteral("./guide/guide.md"))
                               ? QStringLiteral("./guide/")
                               : AppPaths::resourceDir() + QStringLiteral("/guide/");
    const QString translated = folder + QStringLiteral("guide_%1.md").arg(language);
    return QFileInfo::exists(translated) ? translated : folder + QStringLiteral("guide.md");
}

void HelpWindow::showGuide()
{
    setWindowTitle(tr("User Guide"));
    const QString file = guideFile(Language::current());
    if (!QFileInfo::exists(file)) {
        m_browser->setPlainText(tr("The user guide is not installed: %1 is missing.").arg(file));
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()), QTextDocument::MarkdownResource);
}
