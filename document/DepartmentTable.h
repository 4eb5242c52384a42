#pragma once

#include "document/DepartmentRecord.h"

#include <QString>

// The installation's department table, kept in "DeptSet.dat" in the data folder: the records
// back to back, nothing else.
class DepartmentTable
{
public:
    static QString defaultPath();

    const DepartmentRecords &records() const { return m_records; }
    void setRecords(const DepartmentRecords &records) { m_records = records; }

    // Missing, unreadable or empty file: false, and the table keeps its rows (the editor shows
    // what it had). A trailing partial record is ignored.
    bool load(const QString &path = defaultPath());
    // As a send needs it: a missing, unreadable, empty or cut file is an error, never a table.
    static bool read(const QString &path, DepartmentRecords *records, QString *error);
    // Written atomically: a failure leaves the old file and names the reason in *error.
    bool save(const QString &path, QString *error) const;
    bool save(QString *error) const { return save(defaultPath(), error); }

    static QByteArray toBytes(const DepartmentRecords &records);
    static DepartmentRecords fromBytes(const QByteArray &bytes);
    // The number "Add" gives a new department: one above the largest.
    static int nextNumber(const DepartmentRecords &records);

private:
    DepartmentRecords m_records;
};
