#pragma once

#include "comm/ScaleEntry.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

// The named scales of the installation, kept in the local database so that they survive a new
// program folder. Every change is written at once, all or nothing; on failure the list in memory
// and on disk stay as they were.
class ScaleList
{
    Q_DECLARE_TR_FUNCTIONS(ScaleList)
public:
    // Reads the list of the current data folder.
    bool load(QString *error);
    const QVector<ScaleEntry> &entries() const { return m_entries; }
    int indexOf(const QString &name) const;
    QStringList groups() const;
    // The scales of a group, in list order.
    QVector<ScaleEntry> group(const QString &name) const;

    bool add(const ScaleEntry &entry, QString *error);
    // Replaces the scale called oldName; a new name takes its send history along, a new address
    // (another device) starts without one.
    bool replace(const QString &oldName, const ScaleEntry &entry, QString *error);
    // Forgets the scale and what was sent to it.
    bool remove(const QString &name, QString *error);
    // Scales of the file replace those of the same name; the others are added. Each starts
    // without a send history.
    bool importCsv(const QByteArray &bytes, QString *error);
    QByteArray exportCsv() const { return ScaleListCsv::write(m_entries); }

private:
    bool store(const QVector<ScaleEntry> &entries, const QString &renamedFrom, const QString &renamedTo,
               const QStringList &forget, QString *error);

    QVector<ScaleEntry> m_entries;
};
