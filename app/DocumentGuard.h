#pragma once

#include "core/Prompt.h"
#include "document/DocumentLock.h"
#include "document/FileSetStamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

class QLabel;
class QMainWindow;
class PluDocument;
class RecoveryCopy;

// Keeps the open document safe from a second editor and from a crash: the lock beside its file,
// the look at the disk before a save, the offer to reload a file that changed on disk, and the
// recovery copy of unsaved changes with its offer at the next start. The main window tells it
// what happens to the document and asks it before opening and saving.
class DocumentGuard : public QObject
{
    Q_OBJECT
public:
    // The answers of its questions, as the buttons stand for them (tests script these).
    static constexpr Prompt::Button OpenReadOnly = QMessageBox::Open;
    static constexpr Prompt::Button Overwrite = QMessageBox::Yes;
    static constexpr Prompt::Button SaveElsewhere = QMessageBox::Save;
    static constexpr Prompt::Button Restore = QMessageBox::Yes;
    static constexpr Prompt::Button DiscardCopy = QMessageBox::Discard;

    DocumentGuard(QMainWindow *window, PluDocument *doc);
    ~DocumentGuard() override;

    // Before a file is opened: takes its lock. When another running editor holds it, tells who
    // and offers to open it read-only; false when the operator cancelled.
    bool lockForOpen(const QString &path);
    // Before Save As writes a set: false, and the operator told, when another editor holds it.
    bool lockForSaveAs(const QString &path);
    // The document is now its file as the disk holds it (opened, saved): the disk is noted for
    // later looks, and the recovery copy goes.
    void settled();
    // Opening or saving failed: the lock taken for it goes, the one held before stays.
    void abandoned();

    enum class BeforeSave
    {
        Write,
        SaveElsewhere,
        Cancel
    };
    // Before writing over the document's own file: when the disk changed since it was read or
    // saved here, asks whether to overwrite it, save under another name, or cancel.
    BeforeSave checkDisk();
    // Opened although another editor holds the file: a save must take another name.
    bool isReadOnly() const { return m_readOnly; }
    // New, a clean quit: no lock and no recovery copy any more.
    void released();
    // At start: offers back the copy an editor left when it ended without closing.
    void offerRecovery();
    RecoveryCopy *recovery() const { return m_recovery; }

signals:
    // The file changed on disk while the document had no unsaved change, and the operator chose
    // to read it again.
    void reloadRequested(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the lock of `path` as the pending one; false when another editor holds it.
    bool takePendingLock(const QString &path);
    void onFileNameChanged(const QString &path);
    void lookAtDisk();
    void watch();
    void showState();
    QStringList setPaths() const;

    QMainWindow *m_window;
    PluDocument *m_doc;
    RecoveryCopy *m_recovery;
    std::unique_ptr<DocumentLock> m_lock;
    std::unique_ptr<DocumentLock> m_pending;
    bool m_pendingActive = false;
    bool m_pendingReadOnly = false;
    bool m_readOnly = false;
    QString m_path;
    FileSetStamp m_stamp;
    FileSetStamp m_declined; // a reload the operator said No to, for this state of the disk
    QFileSystemWatcher m_watcher;
    QTimer m_diskTimer;
    bool m_asking = false;
    QLabel *m_readOnlyLabel;
};
