#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// One chosen element of a PLU with its amount (in the element's unit) and its percentage of the
// nutrient reference value.
struct NutritionValue
{
    int itemId = 0; // element number 1..12
    double content = 0;
    double nrv = 0;
    bool operator==(const NutritionValue &o) const
    {
        return itemId == o.itemId && content == o.content && nrv == o.nrv;
    }
};

// The per-PLU nutrition values of one PLU file: the SQLite table "NutritionInfo" in
// "LFCodeNutrition_<base>.db", rows keyed by the LF code as the grid shows it. Each store object
// has a connection of its own, opened by open() and closed with the object, so the editors, the
// transfer worker and the command-line tool never share one (nor the local database's).
class NutritionValueStore
{
public:
    explicit NutritionValueStore(const QString &path);
    ~NutritionValueStore();
    NutritionValueStore(const NutritionValueStore &) = delete;
    NutritionValueStore &operator=(const NutritionValueStore &) = delete;

    // Opens the file (made when missing) and creates the table when it lacks it. *error names
    // the file and SQLite's reason.
    bool open(QString *error);
    QString path() const { return m_path; }

    // The PLU's rows in stored order.
    bool load(const QString &lfCode, QVector<NutritionValue> *values, QString *error);
    // Replaces the PLU's rows with these, all or nothing: on failure the old rows stay.
    bool save(const QString &lfCode, const QVector<NutritionValue> &values, QString *error);
    // Replaces every row of the store with these, all or nothing.
    bool replaceAll(const QHash<QString, QVector<NutritionValue>> &values, QString *error);
    // Every row, by LF code, each PLU's rows in stored order.
    bool loadAll(QHash<QString, QVector<NutritionValue>> *values, QString *error);

    // Fault injection for tests: the insert after this many successful ones fails, as a full
    // disk would. A negative value turns it off.
    static void failAfterInserts(int inserts);

private:
    QString failure(const QString &reason) const;
    // Deletes the rows of one LF code (all rows for an empty one) and inserts these, in the
    // transaction the caller opened; false with *error on the first failing statement.
    bool replaceRows(const QString *lfCode, const QHash<QString, QVector<NutritionValue>> &values, QString *error);

    QString m_path;
    QString m_connection;
};
