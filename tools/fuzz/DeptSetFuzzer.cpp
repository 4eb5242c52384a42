// Feeds arbitrary bytes to the "DeptSet.dat" reader and checks that every complete record is
// read, that names stay within their field, and that what was read writes back to the same bytes
// (the file's layout has no slack: a record is its 36 bytes).
#include "document/DepartmentTable.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const DepartmentRecords records = DepartmentTable::fromBytes(bytes);
    if (records.size() != bytes.size() / DepartmentRecord::Size)
        std::abort();
    for (const DepartmentRecord &r : records) {
        if (r.name.size() > DepartmentRecord::NameBytes || r.name.contains('\0'))
            std::abort();
    }
    const QByteArray again = DepartmentTable::toBytes(records);
    if (DepartmentTable::fromBytes(again) != records)
        std::abort();
    return 0;
}
