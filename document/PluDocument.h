#pragma once

#include "document/AdvertisingList.h"
#include "document/MessageStore.h"
#include "document/ScheduleStore.h"

#include <QObject>
#include <QString>
#include <QStringList>

class PluTableModel;

// The open PLU document: the grid, the file it came from with its side files, and whether it
// has unsaved changes. Owned by the main window; the command-line tool uses it without one.
class PluDocument : public QObject
{
    Q_OBJECT
public:
    explicit PluDocument(QObject *parent = nullptr);
    ~PluDocument() override;

    PluTableModel *model() const { return m_model; }

    // Rows in use. Loading sets it to the lines read; recomputeRowCount() sets it to the last
    // named row plus one.
    int rowCount() const { return m_rowCount; }
    void setRowCount(int rows) { m_rowCount = rows; }
    int recomputeRowCount();

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    QString currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString &path);
    QString infoPath() const { return m_infoPath; }
    QString msgPath() const { return m_msgPath; }
    QString rscPath() const { return m_rscPath; }
    void setSidePaths(const QString &info, const QString &msg, const QString &rsc);

    // The side data that travel in the file set.
    MessageStore &messages() { return m_messages; }
    const MessageStore &messages() const { return m_messages; }
    ScheduleStore &schedules() { return m_schedules; }
    const ScheduleStore &schedules() const { return m_schedules; }
    AdvertisingList &advertising() { return m_advertising; }
    const AdvertisingList &advertising() const { return m_advertising; }

    // Forgets the undo history. Whoever replaces the grid wholesale (New, Open, imports, uploads
    // from a scale) calls this: edits recorded before no longer apply to the new contents.
    void resetHistory() { emit historyReset(); }

    // New: empty grid (the used rows, or all), no side data, no file name, not modified.
    void clear();
    // The side data and their paths only (an import that starts a new document).
    void clearSideData();

signals:
    void modifiedChanged(bool modified);
    void currentFileChanged(const QString &path);
    void historyReset();

private:
    PluTableModel *m_model;
    int m_rowCount = 0;
    bool m_modified = false;
    QString m_currentFile;
    QString m_infoPath;
    QString m_msgPath;
    QString m_rscPath;
    MessageStore m_messages;
    ScheduleStore m_schedules;
    AdvertisingList m_advertising;
};
