// Start-up time and memory of the editor: from process start to the first turn of the window's
// event loop with the full grid, and the resident memory at that moment. The parent starts
// itself as a child a few times and prints the figures.
#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/ZQConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

int child(int argc, char *argv[], const QString &dataDir)
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    AppPaths::setDataDirOverride(dataDir);
    auto config = std::make_unique<ZQConfig>(AppPaths::settingsFile());
    config->language();
    auto window = std::make_unique<MainWindow>();
    window->show();
    QTimer::singleShot(0, [] {
        std::printf("ready %ld\n", residentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 7;
    QTemporaryDir dir;
    QVector<double> times;
    QVector<long> rss;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), dir.path()});
        if (!p.waitForReadyRead(30000)) {
            std::fprintf(stderr, "child did not start\n");
            return 1;
        }
        const double ms = t.nsecsElapsed() / 1e6;
        const QByteArray line = p.readLine().trimmed();
        p.waitForFinished();
        times << ms;
        rss << line.mid(6).toLong();
        std::printf("run %d: %.0f ms, %ld MB resident\n", i + 1, ms, rss.last() / 1024);
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::printf("start-up to event loop: median %.0f ms (min %.0f, max %.0f); resident memory median %ld MB\n",
                times[times.size() / 2], times.first(), times.last(), rss[rss.size() / 2] / 1024);
    return 0;
}
