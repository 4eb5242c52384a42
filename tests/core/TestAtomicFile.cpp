#include "TestSupport.h"

#include "core/AtomicFile.h"

#include <QDir>

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { AtomicFile::failAfterBytes(-1); }
    void failureKeepsEveryOldFile_data();
    void failureKeepsEveryOldFile();
    void writesAllMembers();
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

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "TestAtomicFile.moc"
