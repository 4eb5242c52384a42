// plu-cli's department table and package types: sent after the file set, fetched after it, from
// and into the stores the editor uses ("DeptSet.dat" and the local database in the data folder).
#include "PluCli.h"

#include "comm/ScaleJobRunner.h"
#include "comm/TransferJob.h"
#include "comm/TransferTarget.h"
#include "core/AppPaths.h"
#include "document/DepartmentTable.h"
#include "editors/LocalDatabase.h"

#include <QFileInfo>

void PluCli::takeRefDataParts(QString *list, Options *options)
{
    QStringList rest;
    for (const QString &raw : list->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = raw.trimmed().toLower();
        if (name == QLatin1String("department"))
            options->departments = true;
        else if (name == QLatin1String("packtype"))
            options->packTypes = true;
        else
            rest << raw;
    }
    *list = rest.join(QLatin1Char(','));
}

bool PluCli::readPackTypes(TransferSnapshot *snapshot, QString *error)
{
    LocalDatabase db;
    if (!db.openLocalDatabase(AppPaths::localDatabaseFile())) {
        *error = db.lastError();
        return false;
    }
    snapshot->hasPackTypes = true;
    snapshot->packTypes = db.packTypeKeyValues();
    return true;
}

bool PluCli::sendRefData(const Options &options, const TransferSnapshot &snapshot)
{
    for (const int job : {options.departments ? int(JobDownloadDepartments) : -1,
                          options.packTypes ? int(JobDownloadPackageTypes) : -1}) {
        if (job < 0)
            continue;
        std::vector<std::unique_ptr<ScaleJobRunner>> owned;
        QVector<ScaleJobRunner *> runners;
        for (const ScaleAddress &address : options.scales) {
            owned.push_back(std::make_unique<ScaleJobRunner>(address, job, snapshot, nullptr));
            runners.append(owned.back().get());
        }
        if (!runAll(runners, options.quiet))
            return false;
    }
    return true;
}

bool PluCli::fetchRefData(const Options &options)
{
    if (options.departments) {
        TransferTarget target(nullptr);
        ScaleJobRunner runner(options.scales.first(), JobUploadDepartments, TransferSnapshot::take(nullptr), &target);
        if (!runAll({&runner}, options.quiet, false))
            return false;
        DepartmentTable table;
        table.setRecords(target.staged().departments);
        QString error;
        if (!table.save(&error)) {
            printErr(tr("plu-cli: %1").arg(error));
            return false;
        }
    }
    if (options.packTypes) {
        LocalDatabase db;
        if (!db.openLocalDatabase(AppPaths::localDatabaseFile())) {
            printErr(tr("plu-cli: %1").arg(db.lastError()));
            return false;
        }
        TransferTarget target(nullptr);
        ScaleJobRunner runner(options.scales.first(), JobUploadPackageTypes, TransferSnapshot::take(nullptr), &target);
        if (!runAll({&runner}, options.quiet, false))
            return false;
        if (!db.replacePackTypes(target.staged().packTypes)) {
            printErr(tr("plu-cli: %1").arg(db.lastError()));
            return false;
        }
    }
    return true;
}
