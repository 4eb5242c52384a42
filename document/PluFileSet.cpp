#include "document/PluFileSet.h"

#include "core/AtomicFile.h"
#include "core/LogCategories.h"
#include "document/PluDocument.h"
#include "document/PluFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

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

PluFileSet::SidePaths PluFileSet::sidePathsForLoad(const QString &mainPath)
{
    const QFileInfo fi(mainPath);
    const QDir dir = fi.absoluteDir();
    const QStringList entries = dir.entryList(QDir::Files);
    // The name up to the first dot first; a name with more dots (shop.v2.txp) is also tried
    // whole, as Save As writes it.
    const QStringList bases{fi.baseName(), fi.completeBaseName()};
    QString found[3];
    for (int e = 0; e < 3; ++e) {
        for (const QString &base : bases) {
            const QString wanted = base + QLatin1String(kExtensions[e]);
            for (const QString &entry : entries) {
                if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
                    found[e] = dir.filePath(entry);
                    break;
                }
            }
            if (!found[e].isEmpty())
                break;
        }
        if (found[e].isEmpty())
            found[e] = dir.filePath(fi.completeBaseName() + QLatin1String(kExtensions[e]));
    }
    return {found[0], found[1], found[2]};
}

PluFileSet::SidePaths PluFileSet::sidePathsForSaveAs(const QString &chosenPath)
{
    const QFileInfo fi(chosenPath);
    QString name = fi.fileName();
    name.remove(QRegularExpression(QStringLiteral("\\.txp"), QRegularExpression::CaseInsensitiveOption));
    const QString stem = fi.dir().filePath(name);
    return {stem + QLatin1String(kExtensions[0]), stem + QLatin1String(kExtensions[1]),
            stem + QLatin1String(kExtensions[2])};
}

PluFileSet::LoadResult PluFileSet::load(PluDocument *doc, const QString &path, QString *error, QString *warning)
{
    if (path.isEmpty())
        return LoadResult::Failed;
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
            *error = tr("Unsupported file type");
        return LoadResult::Failed;
    }
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        if (error)
            *error = tr("Open File Error");
        return LoadResult::Failed;
    }
    const PluFile::Parsed parsed =
        kind == PluFile::Kind::CommaSeparated ? PluFile::parseCommaSeparated(bytes) : PluFile::parseTabSeparated(bytes);

    const SidePaths sides = sidePathsForLoad(path);
    QByteArray info, msg, rsc;
    const bool hasInfo = QFileInfo::exists(sides.info) && readAll(sides.info, &info);
    const bool hasMsg = QFileInfo::exists(sides.msg) && readAll(sides.msg, &msg);
    const bool hasRsc = QFileInfo::exists(sides.rsc) && readAll(sides.rsc, &rsc);

    doc->clear();
    {
        PluTableModel::BulkUpdate bulk(doc->model());
        doc->model()->replaceAllRows(parsed.rows);
    }
    doc->setRowCount(parsed.rowCount);
    if (hasInfo)
        doc->advertising().fromInfoBytes(info);
    if (hasMsg)
        doc->messages().fromMsgBytes(msg);
    if (hasRsc)
        doc->schedules().setPeriods(ScheduleStore::parseRsc(rsc));
    doc->setSidePaths(sides.info, sides.msg, sides.rsc);
    doc->setCurrentFile(path);
    doc->setModified(false);
    if (parsed.linesBeyondGrid > 0 && warning) {
        *warning = tr("The file holds %1 more lines than the table has rows; they were not loaded.")
                       .arg(parsed.linesBeyondGrid);
    }
    qCDebug(lcDocument) << "loaded" << path << parsed.rowCount << "rows";
    return LoadResult::Loaded;
}

bool PluFileSet::save(PluDocument *doc, const QString &mainPath, const SidePaths &sides, QString *error)
{
    if (mainPath.isEmpty())
        return false;
    const int rows = doc->recomputeRowCount();
    QVector<AtomicFile::Member> members{{mainPath, PluFile::toBytes(*doc->model(), rows)}};
    if (!sides.info.isEmpty())
        members.append({sides.info, doc->advertising().toInfoBytes()});
    if (!sides.msg.isEmpty())
        members.append({sides.msg, doc->messages().toMsgBytes()});
    if (!sides.rsc.isEmpty())
        members.append({sides.rsc, doc->schedules().toRscBytes()});
    if (!AtomicFile::writeSet(members, error))
        return false;
    doc->setSidePaths(sides.info, sides.msg, sides.rsc);
    doc->setCurrentFile(mainPath);
    doc->setModified(false);
    return true;
}
