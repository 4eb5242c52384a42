#include "app/HelpWindow.h"

#include "core/AppPaths.h"
#include "core/Language.h"
#include "core/ScreenFit.h"

#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
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
    // The guide is long: a scroll bar that comes and goes would change the room for the pictures.
    m_browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_browser->viewport()->installEventFilter(this);
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
    fitPictures();
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // After the resize: fitting changes the layout, which may resize the viewport again.
    if (watched == m_browser->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &HelpWindow::fitPictures);
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::fitPictures()
{
    QTextDocument *document = m_browser->document();
    // Picture sizes are in 96-dpi pixels, which the text layout scales to the screen's dpi.
    const qreal scale = m_browser->logicalDpiY() / 96.0;
    const int room = int((m_browser->viewport()->width() - 2 * document->documentMargin() - 2) / scale);
    if (room <= 0)
        return;
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid())
                continue;
            const QSize natural = QImageReader(m_browser->source().resolved(QUrl(picture.name())).toLocalFile()).size();
            if (natural.isEmpty())
                continue;
            const int width = qMin(natural.width(), room);
            if (qRound(picture.width()) == width)
                continue;
            picture.setWidth(width);
            picture.setHeight(qreal(natural.height()) * width / natural.width());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}
