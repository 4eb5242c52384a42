#include "document/DepartmentTable.h"

#include "core/AppPaths.h"
#include "core/AtomicFile.h"

#include <QFile>

QString DepartmentTable::defaultPath()
{
    return AppPaths::dataFile(QStringLiteral("DeptSet.dat"));
}

bool DepartmentTable::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const DepartmentRecords read = fromBytes(file.readAll());
    if (read.isEmpty())
        return false;
    m_records = read;
    return true;
}

bool DepartmentTable::save(const QString &path, QString *error) const
{
    return AtomicFile::write(path, toBytes(m_records), error);
}

QByteArray DepartmentTable::toBytes(const DepartmentRecords &records)
{
    QByteArray out;
    out.reserve(records.size() * DepartmentRecord::Size);
    for (const DepartmentRecord &r : records)
        out += r.toBytes();
    return out;
}

DepartmentRecords DepartmentTable::fromBytes(const QByteArray &bytes)
{
    DepartmentRecords out;
    const int count = bytes.size() / DepartmentRecord::Size;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(DepartmentRecord::fromBytes(bytes.constData() + i * DepartmentRecord::Size));
    return out;
}

int DepartmentTable::nextNumber(const DepartmentRecords &records)
{
    int largest = 0;
    for (const DepartmentRecord &r : records)
        largest = qMax(largest, int(r.number));
    return largest + 1;
}
