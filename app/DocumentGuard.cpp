#include "app/DocumentGuard.h"

#include "document/PluDocument.h"
#include "document/PluTableModel.h"
#include "document/RecoveryCopy.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>

namespace {
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

DocumentGuard::DocumentGuard(QMainWindow *window, PluDocument *doc)
    : QObject(window), m_window(window), m_doc(doc), m_recovery(new RecoveryCopy(doc, this)),
      m_lock(std::make_unique<DocumentLock>()), m_readOnlyLabel(new QLabel(window))
{
    m_readOnlyLabel->setObjectName(QStringLiteral("readOnlyLabel"));
    m_readOnlyLabel->hide();
    window->statusBar()->addPermanentWidget(m_readOnlyLabel);

    // Every change of what the file set holds, while it is unsaved, is covered by the copy.
    auto changed = [this] {
        if (m_doc->isModified())
            m_recovery->schedule();
    };
    connect(doc->model(), &PluTableModel::dataChanged, this, changed);
    connect(doc, &PluDocument::contentReplaced, this, changed);
    connect(doc, &PluDocument::edited, this, changed);
    connect(doc, &PluDocument::modifiedChanged, this, [this](bool modified) {
        if (modified)
            m_recovery->schedule();
        else
            m_recovery->discard(); // undone back to the file as saved
    });
    connect(doc, &PluDocument::currentFileChanged, this, &DocumentGuard::onFileNameChanged);

    // Another program's save replaces the file (a new one is renamed over it) or writes it in
    // place: the folder sees the first, the file the second. Several such events come at once.
    m_diskTimer.setSingleShot(true);
    m_diskTimer.setInterval(300);
    connect(&m_diskTimer, &QTimer::timeout, this, &DocumentGuard::lookAtDisk);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_diskTimer, QOverload<>::of(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_diskTimer, QOverload<>::of(&QTimer::start));
    // A network folder may tell nothing: the operator coming back to the window looks too.
    window->installEventFilter(this);
}

DocumentGuard::~DocumentGuard() = default;

bool DocumentGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::ActivationChange && m_window->isActiveWindow() &&
        !m_path.isEmpty())
        m_diskTimer.start();
    return QObject::eventFilter(watched, event);
}

QStringList DocumentGuard::setPaths() const
{
    return {m_doc->currentFile(), m_doc->infoPath(), m_doc->msgPath(), m_doc->rscPath()};
}

bool DocumentGuard::takePendingLock(const QString &path)
{
    m_pendingActive = true;
    m_pendingReadOnly = false;
    m_pending.reset();
    if (m_lock->holds(path))
        return true;
    // An empty lock too: settling it lets the one held before go.
    m_pending = std::make_unique<DocumentLock>();
    if (path.isEmpty() || m_pending->lock(path) != DocumentLock::Result::HeldElsewhere)
        return true;
    m_pending.reset();
    return false;
}

bool DocumentGuard::lockForOpen(const QString &path)
{
    if (takePendingLock(path))
        return true;
    m_pendingReadOnly = true;
    // Read again while another editor still holds it: it stays read-only, without asking again.
    if (m_readOnly && path == m_path)
        return true;
    const QString text =
        tr("%1 is open in another editor: %2.\n\nOpen it read-only? Your changes can then be saved under "
           "another name only.")
            .arg(shown(path), DocumentLock::holderOf(path).describe());
    if (Prompt::choose(QMessageBox::Warning, m_window, tr("File in use"), text,
                       {{OpenReadOnly, tr("Open Read-Only")}, {QMessageBox::Cancel, tr("Cancel")}}, OpenReadOnly,
                       QMessageBox::Cancel) == OpenReadOnly)
        return true;
    abandoned();
    return false;
}

bool DocumentGuard::lockForSaveAs(const QString &path)
{
    if (takePendingLock(path))
        return true;
    Prompt::warning(m_window, tr("Warning"),
                    tr("%1 is open in another editor: %2.\nSave under another name.")
                        .arg(shown(path), DocumentLock::holderOf(path).describe()));
    abandoned();
    return false;
}

void DocumentGuard::settled()
{
    if (m_pendingActive) {
        if (m_pending)
            m_lock = std::move(m_pending);
        else if (m_pendingReadOnly)
            m_lock->unlock();
        m_readOnly = m_pendingReadOnly;
    }
    m_pendingActive = false;
    m_pending.reset();
    m_path = m_doc->currentFile();
    m_stamp = FileSetStamp::take(setPaths());
    m_declined = FileSetStamp();
    m_recovery->setStamp(m_stamp);
    m_recovery->discard();
    watch();
    showState();
}

void DocumentGuard::abandoned()
{
    m_pendingActive = false;
    m_pendingReadOnly = false;
    m_pending.reset();
}

void DocumentGuard::released()
{
    abandoned();
    m_recovery->discard();
    m_lock->unlock();
    m_readOnly = false;
    m_path.clear();
    m_stamp = FileSetStamp();
    watch();
    showState();
}

void DocumentGuard::onFileNameChanged(const QString &path)
{
    // Opening and saving settle the name themselves; anything else (an import) leaves the file.
    if (m_pendingActive || path == m_path)
        return;
    m_lock->unlock();
    m_readOnly = false;
    m_path = path;
    m_stamp = FileSetStamp();
    m_recovery->setStamp(m_stamp);
    watch();
    showState();
}

DocumentGuard::BeforeSave DocumentGuard::checkDisk()
{
    if (m_stamp.isEmpty() || m_path != m_doc->currentFile())
        return BeforeSave::Write;
    FileSetStamp now;
    if (!m_stamp.changedOnDisk(&now)) {
        m_stamp = now; // same bytes under a new time need not be read again
        return BeforeSave::Write;
    }
    const QString text = tr("%1 was changed on disk since it was opened or last saved here, perhaps by another "
                            "editor.\n\nOverwrite it with this version, save this version under another name, or "
                            "cancel the save?")
                             .arg(shown(m_path));
    m_asking = true;
    const Prompt::Button answer = Prompt::choose(
        QMessageBox::Warning, m_window, tr("File changed on disk"), text,
        {{Overwrite, tr("Overwrite")}, {SaveElsewhere, tr("Save As...")}, {QMessageBox::Cancel, tr("Cancel")}},
        SaveElsewhere, QMessageBox::Cancel);
    m_asking = false;
    if (answer == Overwrite)
        return BeforeSave::Write;
    return answer == SaveElsewhere ? BeforeSave::SaveElsewhere : BeforeSave::Cancel;
}

void DocumentGuard::watch()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return;
    m_watcher.addPath(m_path);
    m_watcher.addPath(QFileInfo(m_path).absolutePath());
}

void DocumentGuard::lookAtDisk()
{
    if (m_path.isEmpty() || m_stamp.isEmpty())
        return;
    // Not over another question or a running transfer: looked at again once they are gone.
    if (m_asking || QApplication::activeModalWidget()) {
        m_diskTimer.start(1000);
        return;
    }
    watch(); // a file replaced by a rename is a new file to watch
    FileSetStamp now;
    if (!m_stamp.changedOnDisk(&now)) {
        m_stamp = now;
        return;
    }
    // Unsaved changes are not thrown away for it: the next save asks instead.
    if (m_doc->isModified() || now == m_declined)
        return;
    m_asking = true;
    const Prompt::Button answer =
        Prompt::question(m_window, tr("File changed on disk"),
                         tr("%1 was changed on disk by another program.\n\nReload it?").arg(shown(m_path)),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    m_asking = false;
    if (answer == QMessageBox::Yes)
        emit reloadRequested(m_path);
    else
        m_declined = now;
}

void DocumentGuard::showState()
{
    m_readOnlyLabel->setVisible(m_readOnly);
    if (m_readOnly) {
        m_readOnlyLabel->setText(tr("Read-only: open in another editor"));
        m_readOnlyLabel->setToolTip(DocumentLock::holderOf(m_path).describe());
    }
}

void DocumentGuard::offerRecovery()
{
    // Only into an untouched window: the work already there comes first.
    if (m_doc->isModified())
        return;
    for (const RecoveryCopy::Found &found : RecoveryCopy::orphans()) {
        const QString name = found.original.isEmpty() ? tr("a list that was never saved") : shown(found.original);
        const QString text = tr("The editor was not closed properly. Unsaved changes to %1 were kept in a copy "
                                "from %2.\n\nRestore them?")
                                 .arg(name, QLocale().toString(found.saved.toLocalTime(), QLocale::ShortFormat));
        const Prompt::Button answer = Prompt::choose(
            QMessageBox::Question, m_window, tr("Recover unsaved changes"), text,
            {{Restore, tr("Restore")}, {DiscardCopy, tr("Discard")}, {QMessageBox::Cancel, tr("Not Now")}}, Restore,
            QMessageBox::Cancel);
        if (answer == DiscardCopy)
            RecoveryCopy::remove(found);
        if (answer != Restore || !lockForOpen(found.original))
            continue;
        FileSetStamp stamp;
        QString error;
        if (!RecoveryCopy::restore(found, m_doc, &stamp, &error)) {
            abandoned();
            Prompt::warning(m_window, tr("Warning"), error);
            continue;
        }
        settled();
        // The disk as the crashed editor had read it: a save over a file changed since still asks.
        m_stamp = stamp;
        m_recovery->setStamp(stamp);
        m_recovery->writeNow();
        RecoveryCopy::remove(found);
        return; // one document at a time: other copies wait for the next start
    }
}
