#include "comm/ScaleList.h"

#include "comm/FleetDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool ScaleList::load(QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT Name, GroupName, Address, Baud, TimeoutMs FROM ScaleList ORDER BY Position"))) {
        *error = q.lastError().text();
        return false;
    }
    QVector<ScaleEntry> entries;
    while (q.next()) {
        ScaleEntry e;
        e.name = q.value(0).toString();
        e.group = q.value(1).toString();
        e.address = q.value(2).toString();
        e.baud = q.value(3).toInt();
        e.timeoutMs = q.value(4).toInt();
        entries.append(e);
    }
    m_entries = entries;
    return true;
}

int ScaleList::indexOf(const QString &name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).name == name)
            return i;
    }
    return -1;
}

QStringList ScaleList::groups() const
{
    QStringList names;
    for (const ScaleEntry &e : m_entries) {
        if (!e.group.isEmpty() && !names.contains(e.group))
            names << e.group;
    }
    return names;
}

QVector<ScaleEntry> ScaleList::group(const QString &name) const
{
    QVector<ScaleEntry> found;
    for (const ScaleEntry &e : m_entries) {
        if (e.group == name)
            found.append(e);
    }
    return found;
}

bool ScaleList::add(const ScaleEntry &entry, QString *error)
{
    if (!entry.check(nullptr, error))
        return false;
    if (indexOf(entry.name) >= 0) {
        *error = tr("a scale called \"%1\" is already in the list").arg(entry.name);
        return false;
    }
    QVector<ScaleEntry> next = m_entries;
    next.append(entry);
    // A name that was removed may have left nothing behind, but a new scale starts afresh anyway.
    return store(next, QString(), QString(), {entry.name}, error);
}

bool ScaleList::replace(const QString &oldName, const ScaleEntry &entry, QString *error)
{
    const int at = indexOf(oldName);
    if (at < 0) {
        *error = tr("no scale called \"%1\"").arg(oldName);
        return false;
    }
    if (!entry.check(nullptr, error))
        return false;
    if (entry.name != oldName && indexOf(entry.name) >= 0) {
        *error = tr("a scale called \"%1\" is already in the list").arg(entry.name);
        return false;
    }
    QVector<ScaleEntry> next = m_entries;
    next[at] = entry;
    // The history belongs to the device: another address is another scale.
    const ScaleEntry &was = m_entries.at(at);
    if (was.address != entry.address || was.baud != entry.baud)
        return store(next, QString(), QString(), {oldName, entry.name}, error);
    const bool renamed = entry.name != oldName;
    return store(next, renamed ? oldName : QString(), renamed ? entry.name : QString(), {}, error);
}

bool ScaleList::remove(const QString &name, QString *error)
{
    const int at = indexOf(name);
    if (at < 0) {
        *error = tr("no scale called \"%1\"").arg(name);
        return false;
    }
    QVector<ScaleEntry> next = m_entries;
    next.remove(at);
    return store(next, QString(), QString(), {name}, error);
}

bool ScaleList::importCsv(const QByteArray &bytes, QString *error)
{
    QVector<ScaleEntry> read;
    if (!ScaleListCsv::read(bytes, &read, error))
        return false;
    QVector<ScaleEntry> next = m_entries;
    QStringList imported;
    for (const ScaleEntry &e : read) {
        const int at = indexOf(e.name);
        if (at >= 0)
            next[at] = e;
        else
            next.append(e);
        imported << e.name;
    }
    // Nothing says an imported entry is the device that was sent to under its name.
    return store(next, QString(), QString(), imported, error);
}

bool ScaleList::store(const QVector<ScaleEntry> &entries, const QString &renamedFrom, const QString &renamedTo,
                      const QStringList &forget, QString *error)
{
    QSqlDatabase db;
    if (!FleetDatabase::open(&db, error))
        return false;
    const bool ok = FleetDatabase::transaction(db, error, [&] {
        QSqlQuery q(db);
        auto run = [&](const QString &sql, const QVariantList &values) {
            q.prepare(sql);
            for (const QVariant &v : values)
                q.addBindValue(v);
            if (q.exec())
                return true;
            *error = q.lastError().text();
            return false;
        };
        if (!run(QStringLiteral("DELETE FROM ScaleList"), {}))
            return false;
        for (int i = 0; i < entries.size(); ++i) {
            const ScaleEntry &e = entries.at(i);
            if (!run(QStringLiteral("INSERT INTO ScaleList(Name, GroupName, Address, Baud, TimeoutMs, Position) "
                                    "VALUES(?, ?, ?, ?, ?, ?)"),
                     {e.name, e.group.isNull() ? QString(QLatin1String("")) : e.group, e.address, e.baud, e.timeoutMs,
                      i}))
                return false;
        }
        if (!renamedFrom.isEmpty()) {
            for (const char *table : {"SendPrints", "SendState"}) {
                if (!run(QStringLiteral("UPDATE %1 SET Scale = ? WHERE Scale = ?").arg(QLatin1String(table)),
                         {renamedTo, renamedFrom}))
                    return false;
            }
        }
        for (const QString &name : forget) {
            for (const char *table : {"SendPrints", "SendState"}) {
                if (!run(QStringLiteral("DELETE FROM %1 WHERE Scale = ?").arg(QLatin1String(table)), {name}))
                    return false;
            }
        }
        return true;
    });
    if (ok)
        m_entries = entries;
    return ok;
}
