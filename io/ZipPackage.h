#pragma once

#include "io/Sheet.h"
#include <QCoreApplication>

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

class QuaZip;
class QuaZipFile;

// A zip container (xlsx, ods) read from a device. Members are streamed, and none may unpack to
// more than Sheet::MaxPartBytes: a zip bomb is refused after that many bytes, whatever its
// headers claim, and memory stays bounded by what the caller keeps.
class ZipPackage
{
    Q_DECLARE_TR_FUNCTIONS(ZipPackage)

public:
    explicit ZipPackage(QIODevice *device);
    ~ZipPackage();
    ZipPackage(const ZipPackage &) = delete;
    ZipPackage &operator=(const ZipPackage &) = delete;

    bool open(SheetError *error);
    // Member names compare without regard to case, as the package formats want.
    bool contains(const QString &name) const;
    // The member as a device, or null with *error set. Only one member is open at a time; the
    // device reports an error past the size bound, which tooLarge() then confirms.
    QIODevice *openMember(const QString &name, SheetError *error, qint64 limit = Sheet::MaxPartBytes);
    // The open member's unpacked size as its header claims (for progress only).
    qint64 memberSize() const;
    // Bytes that have come out of the open member so far.
    qint64 memberDone() const;
    // Closes the open member; false with *error set when the zip failed under the parser (size
    // bound, damaged data, checksum), which then explains a parse error better than the XML does.
    bool finishMember(SheetError *error);
    // Reads a small member completely (at most `limit` bytes).
    bool readMember(const QString &name, qint64 limit, QByteArray *bytes, SheetError *error);

private:
    class BoundedDevice;

    std::unique_ptr<QuaZip> m_zip;
    std::unique_ptr<QuaZipFile> m_file;
    std::unique_ptr<BoundedDevice> m_bounded;
    qint64 m_size = 0;
    qint64 m_limit = 0;
};
