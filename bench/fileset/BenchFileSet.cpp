// Opening and saving a PLU file set of 20000 rows, with messages and schedules beside it.
#include "bench/BenchDocument.h"
#include "core/AppPaths.h"
#include "core/ZQConfig.h"
#include "document/PluDocument.h"
#include "document/PluFileSet.h"
#include "document/PluTableModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setDataDirOverride(dir.path());
    ZQConfig config(AppPaths::settingsFile());
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 9;

    PluDocument source;
    fillBenchDocument(&source);
    const QString path = dir.filePath(QStringLiteral("bench.txp"));
    PluFileSet::save(&source, path, PluFileSet::sidePathsForSaveAs(path), nullptr);

    QVector<double> open, save;
    for (int i = 0; i < runs; ++i) {
        PluDocument doc;
        QElapsedTimer t;
        t.start();
        if (PluFileSet::load(&doc, path, nullptr) != PluFileSet::LoadResult::Loaded)
            return 1;
        open << t.nsecsElapsed() / 1e6;
        const QString out = dir.filePath(QStringLiteral("out.txp"));
        t.restart();
        if (!PluFileSet::save(&doc, out, PluFileSet::sidePathsForSaveAs(out), nullptr))
            return 1;
        save << t.nsecsElapsed() / 1e6;
    }
    std::printf("20000-row file set: open median %.1f ms (min %.1f), save median %.1f ms (min %.1f)\n", median(open),
                *std::min_element(open.begin(), open.end()), median(save), *std::min_element(save.begin(), save.end()));
    return 0;
}
