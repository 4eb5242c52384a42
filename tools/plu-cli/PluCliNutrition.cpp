#include "PluCli.h"

#include "comm/NutritionRecords.h"
#include "comm/ScaleLinkLibrary.h"
#include "core/AppPaths.h"
#include "core/PluColumns.h"
#include "document/NutritionElementFile.h"
#include "document/NutritionValueStore.h"
#include "document/PluDocument.h"
#include "document/PluTableModel.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Nutrition records as the link library delivers them: a set in one call, PLU nutrition one
// record per call.
enum NutritionKind
{
    ElementKind = 8,
    PluNutritionKind = 9
};
thread_local QJsonArray *t_received = nullptr;

void ZQSCALE_CALL collect(const char *json, int, int)
{
    if (!t_received || !json)
        return;
    const QJsonDocument doc = QJsonDocument::fromJson(QString::fromLatin1(json).toUtf8());
    if (doc.isArray()) {
        for (const QJsonValue &v : doc.array())
            t_received->append(v);
    } else if (doc.isObject()) {
        t_received->append(doc.object());
    }
}

bool upload(ScaleLinkLibrary &lib, int handle, int kind, QJsonArray *out)
{
    t_received = out;
    const int result = lib.zqscaleUploadData(handle, kind, &collect);
    t_received = nullptr;
    return result >= 0;
}
} // namespace

bool PluCli::fetchNutrition(const ScaleAddress &address, PluDocument *doc, const QString &output)
{
    ScaleLinkLibrary lib;
    if (!lib.isLoaded() || !lib.zqscaleConnect || !lib.zqscaleUploadData || !lib.zqscaleDisConnect) {
        printErr(tr("plu-cli: the scale link library cannot be loaded: %1").arg(lib.errorString()));
        return false;
    }
    if (lib.zqscaleLoadIniFile)
        lib.zqscaleLoadIniFile(QFile::encodeName(AppPaths::settingsFile()).constData());
    int handle = 0;
    QJsonArray elements, plus;
    const bool ok =
        lib.zqscaleConnect(address.link().toLocal8Bit().constData(), address.baud().toInt(), &handle) == 0 &&
        upload(lib, handle, ElementKind, &elements) && upload(lib, handle, PluNutritionKind, &plus);
    if (handle > 0)
        lib.zqscaleDisConnect(handle);
    if (!ok) {
        printOut(tr("%1: failed: %2").arg(address.text(), tr("Upload Nutrition fail")));
        return false;
    }
    // A scale without nutrition leaves the stores of the file set alone.
    if (elements.isEmpty() && plus.isEmpty())
        return true;

    const QVector<NutritionElementFile::Row> rows = NutritionRecords::rowsFromScale(elements);
    const QVector<NutritionElement> units = NutritionRecords::transferElements(rows);
    QHash<QString, QVector<NutritionValue>> values;
    for (const QJsonValue &v : plus) {
        const QJsonObject o = v.toObject();
        const QVector<NutritionValue> plu = NutritionRecords::valuesFromScale(o, units);
        if (!plu.isEmpty())
            values.insert(QString::number(o.value(QStringLiteral("LFCode")).toInt()), plu);
    }
    QString error;
    const QString elementPath = NutritionElementFile::elementFilePath(output);
    if (!NutritionElementFile::write(elementPath, rows, &error)) {
        printFileError(elementPath, error);
        return false;
    }
    NutritionValueStore store(NutritionElementFile::valuesFilePath(output));
    if (!store.open(&error) || !store.replaceAll(values, &error)) {
        printErr(tr("plu-cli: %1").arg(error));
        return false;
    }
    PluTableModel *model = doc->model();
    for (int r = 0; r < doc->rowCount(); ++r) {
        if (values.contains(model->text(r, PluColumns::LFCode)))
            model->setCell(r, PluColumns::Nutrition, QStringLiteral("1"));
    }
    return true;
}
