#include "editors/LocalDatabase.h"

#include "core/SqliteOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

const QString LocalDatabase::ConnectionName = QStringLiteral("plu-local-database");

LocalDatabase::~LocalDatabase()
{
    close();
}

bool LocalDatabase::fail(const QString &what, const QString &reason) const
{
    m_error = tr("%1 (%2): %3").arg(what, QDir::toNativeSeparators(m_path), reason);
    return false;
}

bool LocalDatabase::ready() const
{
    if (m_open)
        return true;
    if (m_error.isEmpty())
        m_error = tr("The local database is not open.");
    return false;
}

bool LocalDatabase::openLocalDatabase(const QString &path)
{
    close();
    m_path = path;
    m_error.clear();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(tr("Cannot open the local database"), tr("the folder cannot be created"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
        db.setDatabaseName(path);
        db.setConnectOptions(QString::fromLatin1(kSqliteConnectOptions));
        if (!db.open())
            return fail(tr("Cannot open the local database"), db.lastError().text());
        QString reason;
        {
            QSqlQuery query(db);
            // One transaction for both: a new file is synced to disk once, not once per table.
            db.transaction();
            // SQLite opens a damaged or foreign file lazily: the first statement finds out.
            for (const QString &statement :
                 {QStringLiteral("CREATE TABLE if not exists PackTypeFun(ID INTEGER PRIMARY KEY,FunName varchar(30) "
                                 "NULL,KeyValue varchar(30) NULL,remark varchar(60) NULL);"),
                  QStringLiteral("CREATE TABLE if not exists HotkeyFunDetail(ID INTEGER PRIMARY KEY,iHotKey integer "
                                 ",KeyValue integer);")}) {
                if (reason.isEmpty() && !query.exec(statement))
                    reason = query.lastError().text();
            }
        }
        if (reason.isEmpty() && !db.commit())
            reason = db.lastError().text();
        if (!reason.isEmpty()) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(ConnectionName);
            return fail(tr("Cannot open the local database"), reason);
        }
    }
    m_open = true;
    return true;
}

void LocalDatabase::close()
{
    if (!QSqlDatabase::contains(ConnectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(ConnectionName);
    m_open = false;
}

bool LocalDatabase::isOpen() const
{
    return m_open;
}

QSqlDatabase LocalDatabase::database() const
{
    return m_open ? QSqlDatabase::database(ConnectionName, false) : QSqlDatabase();
}

bool LocalDatabase::selectPackTypes(QSqlQuery &query)
{
    return ready() && query.exec(QStringLiteral("select * from PackTypeFun"));
}

QStringList LocalDatabase::packTypeKeyValues()
{
    QStringList out;
    if (!ready())
        return out;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("select * from PackTypeFun"))) {
        fail(tr("Cannot read the package types"), query.lastError().text());
        return out;
    }
    const int column = query.record().indexOf(QStringLiteral("KeyValue"));
    while (query.next())
        out << query.value(column).toString();
    return out;
}

template <typename Fill> bool LocalDatabase::replaceAll(const char *table, Fill fill)
{
    if (!ready())
        return false;
    QSqlDatabase db = database();
    const QString what = tr("Cannot replace the rows of %1").arg(QLatin1String(table));
    if (!db.transaction())
        return fail(what, db.lastError().text());
    QSqlQuery query(db);
    QString reason;
    if (!query.exec(QStringLiteral("delete from ") + QLatin1String(table)))
        reason = query.lastError().text();
    else
        reason = fill(query);
    if (reason.isEmpty() && !db.commit())
        reason = db.lastError().text();
    if (reason.isEmpty())
        return true;
    query = QSqlQuery();
    db.rollback();
    return fail(what, reason);
}

bool LocalDatabase::replacePackTypes(const QJsonArray &array)
{
    QStringList values;
    for (const QJsonValue &v : array) {
        const QJsonValue key = v.toObject().value(QLatin1String("KeyValue"));
        // The scale sends text; a number is taken as its decimal text.
        values << (key.isDouble() ? QString::number(key.toDouble(), 'g', 15) : key.toString());
    }
    return replacePackTypes(values);
}

bool LocalDatabase::replacePackTypes(const QStringList &keyValues)
{
    return replaceAll("PackTypeFun", [&keyValues](QSqlQuery &query) {
        if (!query.prepare(QStringLiteral("INSERT INTO PackTypeFun(KeyValue)VALUES(:KeyValue)")))
            return query.lastError().text();
        for (const QString &value : keyValues) {
            query.bindValue(QStringLiteral(":KeyValue"), value);
            if (!query.exec())
                return query.lastError().text();
        }
        return QString();
    });
}

bool LocalDatabase::selectHotkeyFunctions(QSqlQuery &query)
{
    return ready() && query.exec(QStringLiteral("select * from HotkeyFunDetail"));
}

HotkeyFunctionRows LocalDatabase::hotkeyFunctions() const
{
    HotkeyFunctionRows rows;
    if (!ready())
        return rows;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("select iHotKey,KeyValue from HotkeyFunDetail"))) {
        fail(tr("Cannot read the hotkey functions"), query.lastError().text());
        return rows;
    }
    while (query.next())
        rows.append({query.value(0).toInt(), query.value(1).toInt()});
    return rows;
}

bool LocalDatabase::insertHotkeyFunction(int hotKey, int keyValue)
{
    if (!ready())
        return false;
    QSqlQuery query(database());
    if (!query.prepare(QStringLiteral("INSERT INTO HotkeyFunDetail(iHotKey,KeyValue)VALUES(:iHotKey,:KeyValue)")))
        return fail(tr("Cannot store a hotkey function"), query.lastError().text());
    query.bindValue(QStringLiteral(":iHotKey"), hotKey);
    query.bindValue(QStringLiteral(":KeyValue"), keyValue);
    return query.exec() || fail(tr("Cannot store a hotkey function"), query.lastError().text());
}

bool LocalDatabase::clearHotkeyFunctions()
{
    if (!ready())
        return false;
    QSqlQuery query(database());
    return query.exec(QStringLiteral("delete from HotkeyFunDetail")) ||
           fail(tr("Cannot clear the hotkey functions"), query.lastError().text());
}

bool LocalDatabase::replaceHotkeyFunctions(const QJsonArray &array)
{
    HotkeyFunctionRows rows;
    for (const QJsonValue &v : array) {
        const QJsonObject o = v.toObject();
        rows.append({o.value(QLatin1String("HotKey")).toInt(), o.value(QLatin1String("KeyValue")).toInt()});
    }
    return replaceHotkeyFunctions(rows);
}

bool LocalDatabase::replaceHotkeyFunctions(const HotkeyFunctionRows &rows)
{
    return replaceAll("HotkeyFunDetail", [&rows](QSqlQuery &query) {
        if (!query.prepare(QStringLiteral("INSERT INTO HotkeyFunDetail(iHotKey,KeyValue)VALUES(:iHotKey,:KeyValue)")))
            return query.lastError().text();
        for (const HotkeyFunctionRow &row : rows) {
            query.bindValue(QStringLiteral(":iHotKey"), row.first);
            query.bindValue(QStringLiteral(":KeyValue"), row.second);
            if (!query.exec())
                return query.lastError().text();
        }
        return QString();
    });
}
