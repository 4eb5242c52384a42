#include "TestSupport.h"

#include "core/AtomicFile.h"

#include <QDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { AtomicFile::failAfterBytes(-1); }
    void failureKeepsEveryOldFile_data();
    void failureKeepsEveryOldFile();
    void writesAllMembers();
    void shortWriteNamesTheSystemsReason();
};

void TestAtomicFile::failureKeepsEveryOldFile_data()
{
    QTest::addColumn<qint64>("budget");
    QTest::newRow("nothing written") << qint64(0);
    QTest::newRow("first member half written") << qint64(3);
    QTest::newRow("fails in the second member") << qint64(12);
}

void TestAtomicFile::failureKeepsEveryOldFile()
{
    QFETCH(qint64, budget);
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    const QString b = dir.filePath(QStringLiteral("b.txt"));
    QVERIFY(TestEnvironment::writeFile(a, "old a"));
    QVERIFY(TestEnvironment::writeFile(b, "old b"));
    AtomicFile::failAfterBytes(budget);
    QString error;
    QVERIFY(!AtomicFile::writeSet({{a, "new content a"}, {b, "new content b"}}, &error));
    QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
    QCOMPARE(TestEnvironment::readFile(a), QByteArray("old a"));
    QCOMPARE(TestEnvironment::readFile(b), QByteArray("old b"));
    // No temporary is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void TestAtomicFile::writesAllMembers()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    const QString blocked = dir.filePath(QStringLiteral("sub"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QString error;
    QVERIFY(AtomicFile::write(a, "one", &error));
    QCOMPARE(TestEnvironment::readFile(a), QByteArray("one"));
    // A folder where a member should go fails the set before anything is replaced.
    QVERIFY(!AtomicFile::writeSet({{a, "two"}, {blocked, "x"}}, &error));
    QVERIFY(error.contains(QStringLiteral("sub")));
    QCOMPARE(TestEnvironment::readFile(a), QByteArray("one"));
}

void TestAtomicFile::shortWriteNamesTheSystemsReason()
{
    // A file size limit makes the system write part of a block and refuse the rest, as a disk
    // that fills up during a write does.
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(TestEnvironment::writeFile(a, "old a"));
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    const sighandler_t oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool written = AtomicFile::write(a, QByteArray(5000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    QCOMPARE(TestEnvironment::readFile(a), QByteArray("old a"));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
