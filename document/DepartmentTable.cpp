#include "document/DepartmentTable.h"

#include "core/AppPaths.h"
#include "core/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

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

bool DepartmentTable::read(const QString &path, DepartmentRecords *records, QString *error)
{
    records->clear();
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.exists()) {
        *error = QCoreApplication::translate("DepartmentTable", "\"%1\" is missing").arg(name);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QCoreApplication::translate("DepartmentTable", "\"%1\" cannot be read: %2").arg(name, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        *error = QCoreApplication::translate("DepartmentTable", "\"%1\" is empty").arg(name);
        return false;
    }
    if (bytes.size() % DepartmentRecord::Size != 0) {
        *error = QCoreApplication::translate("DepartmentTable",
                                             "\"%1\" is cut or damaged: %2 bytes are not whole records of %3")
                     .arg(name)
                     .arg(bytes.size())
                     .arg(DepartmentRecord::Size);
        return false;
    }
    *records = fromBytes(bytes);
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
