#pragma once

#include "document/AdvertisingList.h"
#include "document/MessageStore.h"
#include "document/PluTableModel.h"
#include "document/ScheduleStore.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The open PLU document: the grid, the file it came from with its side files, and whether it
// has unsaved changes. Owned by the main window; the command-line tool uses it without one.
class PluDocument : public QObject
{
    Q_OBJECT
public:
    // What a whole-table replacement (an upload from a scale, an import) swaps in and out as one
    // step: the grid with its used-row count and the side stores that travel with it.
    struct Content
    {
        QVector<PluTableModel::Row> rows;
        int rowCount = 0;
        MessageStore messages;
        ScheduleStore schedules;
        AdvertisingList advertising;
    };

    explicit PluDocument(QObject *parent = nullptr);
    ~PluDocument() override;

    Content content() const;
    // Writes through the bulk path: no checks run. File name and modified flag stay.
    void setContent(const Content &content);

    PluTableModel *model() const { return m_model; }

    // Rows in use. Loading sets it to the lines read; recomputeRowCount() sets it to the last
    // named row plus one.
    int rowCount() const { return m_rowCount; }
    void setRowCount(int rows) { m_rowCount = rows; }
    int recomputeRowCount();

    // Unsaved changes: the undo history stands away from the saved state, or something the
    // history does not hold (side data edited in their dialogs) changed.
    bool isModified() const { return m_changedOutsideHistory || !m_historyClean; }
    // true marks a change the history does not hold; false declares the document equal to its
    // file (saved, opened, new), which makes the history's present state the saved one.
    void setModified(bool modified);
    // Told by the owner of the undo history whenever it reaches or leaves the saved state.
    void setHistoryClean(bool clean);

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
    // clear(), then the grid becomes `rows` (padded with new rows) of which `used` are in use.
    void replaceGrid(QVector<PluTableModel::Row> rows, int used);

signals:
    void modifiedChanged(bool modified);
    // setModified(true): something the history does not hold changed (side data in a dialog).
    void edited();
    void currentFileChanged(const QString &path);
    void historyReset();
    // setModified(false): the undo history's present state is now the saved one.
    void savedStateReached();
    // setContent() swapped the whole table.
    void contentReplaced();

private:
    PluTableModel *m_model;
    void updateModified(bool wasModified);

    int m_rowCount = 0;
    bool m_changedOutsideHistory = false;
    bool m_historyClean = true;
    QString m_currentFile;
    QString m_infoPath;
    QString m_msgPath;
    QString m_rscPath;
    MessageStore m_messages;
    ScheduleStore m_schedules;
    AdvertisingList m_advertising;
};
