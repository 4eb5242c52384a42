#pragma once

#include "core/AppPaths.h"
#include "core/Prompt.h"
#include "core/TPLU.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"
#include "core/ZQConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A fresh data folder with its own "SYSTEM.CFG" for one test, and a scripted prompt seam.
// Settings given as "Group/Key" = value are written before the settings store loads.
class TestEnvironment
{
public:
    explicit TestEnvironment(const QVariantMap &settings = {})
    {
        QVERIFY(m_dir.isValid());
        AppPaths::setDataDirOverride(m_dir.path());
        if (!settings.isEmpty()) {
            QSettings ini(settingsPath(), QSettings::IniFormat);
            ini.setIniCodec("UTF-8");
            for (auto it = settings.begin(); it != settings.end(); ++it)
                ini.setValue(it.key(), it.value());
        }
        WeightUnits::resetNames();
        TextCodec::setCodePage(QByteArray());
        m_config = std::make_unique<ZQConfig>(settingsPath());
        Prompt::setScripted(true);
        Prompt::clearScript();
    }
    ~TestEnvironment()
    {
        m_config.reset();
        AppPaths::setDataDirOverride(QString());
        TextCodec::setCodePage(QByteArray());
        WeightUnits::resetNames();
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("SYSTEM.CFG")); }
    ZQConfig *config() const { return m_config.get(); }
    // Reloads the settings store from its file, as a new start of the program would.
    void restart()
    {
        m_config.reset();
        WeightUnits::resetNames();
        m_config = std::make_unique<ZQConfig>(settingsPath());
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ZQConfig> m_config;
};

// A test data file ("document/all-fields/input.txp"), copied with the files beside it into a folder
// of this test process: the editor locks the files it opens, and tests running at the same time
// must neither meet each other's locks nor leave any in the source tree.
inline QString dataCopy(const QString &relative)
{
    static QTemporaryDir copies;
    const QFileInfo source(QStringLiteral(PLU_TEST_DATA_DIR "/") + relative);
    const QString folder = copies.filePath(source.dir().dirName());
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        for (const QFileInfo &file : source.dir().entryInfoList(QDir::Files))
            QFile::copy(file.absoluteFilePath(), folder + QLatin1Char('/') + file.fileName());
    }
    return folder + QLatin1Char('/') + source.fileName();
}

// Article n of a plain test list: LF code n, code 999 + n, price 99 + n, by the kilogram.
inline TPLU testArticle(int n)
{
    TPLU p;
    p.setPluNameBytes("Article " + QByteArray::number(n));
    p.LFCode = n;
    p.setCodeBytes(QByteArray::number(999 + n));
    p.UnitPrice = 99 + n;
    p.WeightUnit = 4;
    return p;
}
