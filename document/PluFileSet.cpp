#include "document/PluFileSet.h"

#include "core/AtomicFile.h"
#include "core/LogCategories.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
const char *const kExtensions[3] = {".Info", ".Msg", ".RSC"};

bool readAll(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}
} // namespace

QString PluFileSet::baseName(const QString &mainPath)
{
    return QFileInfo(mainPath).completeBaseName();
}

PluFileSet::SidePaths PluFileSet::sidePathsForLoad(const QString &mainPath)
{
    const QDir dir = QFileInfo(mainPath).absoluteDir();
    const QString base = baseName(mainPath);
    QStringList entries;
    QString found[3];
    for (int e = 0; e < 3; ++e) {
        const QString wanted = base + QLatin1String(kExtensions[e]);
        found[e] = dir.filePath(wanted);
        if (QFileInfo::exists(found[e]))
            continue;
        // Another program may have written "SHOP.INFO" or "shop.MSG".
        if (entries.isEmpty())
            entries = dir.entryList(QDir::Files);
        for (const QString &entry : qAsConst(entries)) {
            if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
                found[e] = dir.filePath(entry);
                break;
            }
        }
    }
    return {found[0], found[1], found[2]};
}

PluFileSet::SidePaths PluFileSet::sidePathsForSaveAs(const QString &chosenPath)
{
    const QString stem = QFileInfo(chosenPath).dir().filePath(baseName(chosenPath));
    return {stem + QLatin1String(kExtensions[0]), stem + QLatin1String(kExtensions[1]),
            stem + QLatin1String(kExtensions[2])};
}

QString PluFileSet::mainPathForSave(const QString &chosenPath)
{
    if (PluFile::kindOf(chosenPath) == PluFile::Kind::TabSeparated)
        return chosenPath;
    return chosenPath + QStringLiteral(".Txp");
}

PluFileSet::LoadResult PluFileSet::load(PluDocument *doc, const QString &path, QString *error, QString *warning)
{
    if (path.isEmpty())
        return LoadResult::Failed;
    // A save that a crash stopped between its renames is finished first, so that what is read is
    // one whole set.
    {
        const SidePaths sides = sidePathsForLoad(path);
        QString reason;
        if (!AtomicFile::recoverSet({path, sides.info, sides.msg, sides.rsc}, &reason)) {
            if (error)
                *error = reason;
            return LoadResult::Failed;
        }
    }
    if (!QFileInfo::exists(path)) {
        doc->clear();
        const SidePaths sides = sidePathsForLoad(path);
        doc->setSidePaths(sides.info, sides.msg, sides.rsc);
        doc->setCurrentFile(path);
        return LoadResult::NewFile;
    }
    const PluFile::Kind kind = PluFile::kindOf(path);
    if (kind == PluFile::Kind::Unknown) {
        if (error)
            *error = QCoreApplication::translate("MainWindow", "Unsupported file type");
        return LoadResult::Failed;
    }
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        if (error)
            *error = QCoreApplication::translate("MainWindow", "Open File Error");
        return LoadResult::Failed;
    }
    const QString fileName = QFileInfo(path).fileName();
    PluFile::Parsed parsed;
    if (!PluFile::read(kind, bytes, fileName, &parsed, error))
        return LoadResult::Failed;

    const SidePaths sides = sidePathsForLoad(path);
    const QString sidePaths[3] = {sides.info, sides.msg, sides.rsc};
    QByteArray side[3];
    bool present[3];
    QStringList lines;
    for (int i = 0; i < 3; ++i) {
        present[i] = QFileInfo::exists(sidePaths[i]) && readAll(sidePaths[i], &side[i]);
        // A side file that is not text would be read as garbage and written back over by the
        // next save: refuse the whole set.
        if (present[i] && !PluFile::readLines(side[i], nullptr, QFileInfo(sidePaths[i]).fileName(), &lines, error))
            return LoadResult::Failed;
    }

    const int rowCount = parsed.rows.size();
    doc->replaceGrid(std::move(parsed.rows), rowCount);
    if (present[0])
        doc->advertising().fromInfoBytes(side[0]);
    if (present[1])
        doc->messages().fromMsgBytes(side[1]);
    if (present[2])
        doc->schedules().setPeriods(ScheduleStore::parseRsc(side[2]));
    doc->setSidePaths(sides.info, sides.msg, sides.rsc);
    doc->setCurrentFile(path);
    doc->setModified(false);
    if (parsed.linesBeyondGrid > 0 && warning) {
        *warning = QCoreApplication::translate(
                       "MainWindow", "The file holds %1 more lines than the table has rows; they were not loaded.")
                       .arg(parsed.linesBeyondGrid);
    }
    qCDebug(lcDocument) << "loaded" << path << rowCount << "rows";
    return LoadResult::Loaded;
}

bool PluFileSet::save(PluDocument *doc, const QString &mainPath, const SidePaths &sides, QString *error)
{
    if (mainPath.isEmpty())
        return false;
    const int rows = doc->recomputeRowCount();
    // Only named rows are written: a grid that shows rows without any name would become an
    // empty file while the operator sees a list.
    if (rows == 0) {
        const PluTableModel::Row fresh = PluTableModel::newRow();
        const QVector<PluTableModel::Row> &grid = doc->model()->rows();
        const bool shown = std::any_of(grid.cbegin(), grid.cend(), [&fresh](const PluTableModel::Row &row) {
            for (int c = 0; c < PluColumns::Count; ++c) {
                if (row[c].toString() != fresh[c].toString())
                    return true;
            }
            return false;
        });
        if (shown) {
            if (error)
                *error = QCoreApplication::translate(
                    "MainWindow", "Nothing was saved: no row of the table has a PLU name, and a row without a "
                                  "name is not written. Give the rows their names first.");
            return false;
        }
    }
    QVector<AtomicFile::Member> members{{mainPath, PluFile::toBytes(*doc->model(), rows)}};
    if (!sides.info.isEmpty())
        members.append({sides.info, doc->advertising().toInfoBytes()});
    if (!sides.msg.isEmpty())
        members.append({sides.msg, doc->messages().toMsgBytes()});
    if (!sides.rsc.isEmpty())
        members.append({sides.rsc, doc->schedules().toRscBytes()});
    QStringList paths;
    for (const AtomicFile::Member &m : members)
        paths << m.path;
    if (!AtomicFile::recoverSet(paths, error) || !AtomicFile::writeSet(members, error))
        return false;
    doc->setSidePaths(sides.info, sides.msg, sides.rsc);
    doc->setCurrentFile(mainPath);
    doc->setModified(false);
    return true;
}
