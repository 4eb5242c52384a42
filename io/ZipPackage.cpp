#include "io/ZipPackage.h"

#include <QCoreApplication>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

namespace {
// Enough for any workbook a shop keeps; a zip with more entries is not one of ours.
constexpr int kMaxEntries = 10000;

} // namespace

// Passes a member's bytes through and fails once more than the bound has come out.
class ZipPackage::BoundedDevice : public QIODevice
{
public:
    BoundedDevice(QIODevice *inner, qint64 limit) : m_inner(inner), m_limit(limit) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool exceeded() const { return m_exceeded; }
    bool innerFailed() const { return m_innerFailed; }
    qint64 done() const { return m_done; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_exceeded || m_innerFailed)
            return -1;
        const qint64 n = m_inner->read(data, maxSize);
        if (n < 0) {
            m_innerFailed = true;
            setErrorString(m_inner->errorString());
            return -1;
        }
        m_done += n;
        if (m_done > m_limit) {
            m_exceeded = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice *m_inner;
    qint64 m_limit;
    qint64 m_done = 0;
    bool m_exceeded = false;
    bool m_innerFailed = false;
};

ZipPackage::ZipPackage(QIODevice *device) : m_zip(std::make_unique<QuaZip>(device))
{
    m_zip->setAutoClose(false); // the device is the caller's
}

ZipPackage::~ZipPackage()
{
    m_bounded.reset();
    m_file.reset();
    m_zip->close();
}

bool ZipPackage::open(SheetError *error)
{
    if (!m_zip->open(QuaZip::mdUnzip))
        return error->set(SheetError::Damaged, ZipPackage::tr("the zip container cannot be read"));
    if (m_zip->getEntriesCount() > kMaxEntries)
        return error->set(SheetError::TooLarge,
                          ZipPackage::tr("the zip container holds more than %1 parts").arg(kMaxEntries));
    return true;
}

bool ZipPackage::contains(const QString &name) const
{
    return m_zip->setCurrentFile(name, QuaZip::csInsensitive);
}

QIODevice *ZipPackage::openMember(const QString &name, SheetError *error, qint64 limit)
{
    m_bounded.reset();
    m_file.reset();
    if (!m_zip->setCurrentFile(name, QuaZip::csInsensitive)) {
        error->set(SheetError::Damaged, ZipPackage::tr("the part \"%1\" is missing").arg(name));
        return nullptr;
    }
    QuaZipFileInfo64 info;
    if (m_zip->getCurrentFileInfo(&info) && info.isEncrypted()) {
        error->set(SheetError::PasswordProtected, ZipPackage::tr("the workbook is password-protected"));
        return nullptr;
    }
    m_size = m_zip->getCurrentFileInfo(&info) ? static_cast<qint64>(info.uncompressedSize) : 0;
    m_file = std::make_unique<QuaZipFile>(m_zip.get());
    if (!m_file->open(QIODevice::ReadOnly)) {
        error->set(SheetError::Damaged, ZipPackage::tr("the part \"%1\" cannot be unpacked").arg(name));
        m_file.reset();
        return nullptr;
    }
    m_bounded = std::make_unique<BoundedDevice>(m_file.get(), limit);
    m_limit = limit;
    return m_bounded.get();
}

qint64 ZipPackage::memberSize() const
{
    return m_size;
}

qint64 ZipPackage::memberDone() const
{
    return m_bounded ? m_bounded->done() : 0;
}

bool ZipPackage::finishMember(SheetError *error)
{
    if (!m_bounded)
        return true;
    const bool exceeded = m_bounded->exceeded();
    const bool failed = m_bounded->innerFailed();
    m_bounded.reset();
    m_file->close();
    const bool badData = m_file->getZipError() != 0;
    m_file.reset();
    if (exceeded)
        return error->set(SheetError::TooLarge,
                          ZipPackage::tr("a part of the workbook unpacks to more than %1 MB").arg(m_limit >> 20));
    if (failed || badData)
        return error->set(SheetError::Damaged, ZipPackage::tr("the zip container is damaged"));
    return true;
}

bool ZipPackage::readMember(const QString &name, qint64 limit, QByteArray *bytes, SheetError *error)
{
    QIODevice *device = openMember(name, error);
    if (!device)
        return false;
    bytes->clear();
    char buffer[16384];
    for (;;) {
        const qint64 n = device->read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        if (bytes->size() + n > limit) {
            finishMember(error);
            return error->set(SheetError::TooLarge,
                              ZipPackage::tr("the part \"%1\" is larger than expected").arg(name));
        }
        bytes->append(buffer, static_cast<int>(n));
    }
    // A member that ends early or fails its checksum reports it when it is closed.
    return finishMember(error);
}
