#include "document/NutritionElementFile.h"

#include "core/AppPaths.h"
#include "core/AtomicFile.h"
#include "core/TextCodec.h"
#include "document/PluFileSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cstring>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("NutritionElementFile", text);
}

const QLatin1String kName("Name");
const QLatin1String kUnit("iUnit");

// The element file is Qt's binary JSON, which Qt keeps only as a deprecated format; the files
// already in the field are in it.
QJsonDocument fromBinary(const QByteArray &bytes)
{
    // Qt adds the root's size to its 8-byte header in 32 bits without checking, so a damaged size
    // near 4 GiB wraps round and its validation reads past the data: check the size first.
    constexpr int kHeader = 8, kBase = 12;
    if (bytes.size() < kHeader + kBase)
        return QJsonDocument();
    const quint32 rootSize = qFromLittleEndian<quint32>(bytes.constData() + kHeader);
    if (rootSize < quint32(kBase) || qint64(rootSize) > qint64(bytes.size()) - kHeader)
        return QJsonDocument();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return QJsonDocument::fromBinaryData(bytes, QJsonDocument::Validate);
    QT_WARNING_POP
}

QByteArray toBinary(const QJsonDocument &doc)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return doc.toBinaryData();
    QT_WARNING_POP
}

QString storePath(const QString &pluFile, const QString &prefix, const QString &suffix)
{
    if (pluFile.isEmpty())
        return QString();
    return NutritionElementFile::storeFolder() + QLatin1Char('/') + prefix + PluFileSet::baseName(pluFile) + suffix;
}
} // namespace

const QStringList &NutritionElementFile::unitNames()
{
    static const QStringList names{QStringLiteral("kJ"), QStringLiteral("g"), QStringLiteral("mg"),
                                   QStringLiteral("ug")};
    return names;
}

int NutritionElementFile::unitCode(const QString &unit)
{
    return unitNames().indexOf(unit) + 1;
}

int NutritionElementFile::transferUnitCode(const QString &unit)
{
    for (int i = 0; i < unitNames().size(); ++i) {
        if (unit.compare(unitNames().at(i), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

int NutritionElementFile::unitFactor(int code)
{
    return code == 2 || code == 3 ? 10 : code == 4 ? 100 : 1;
}

QString NutritionElementFile::storeFolder()
{
    const QString dir = AppPaths::dataFile(QStringLiteral("DB"));
    QDir().mkpath(dir);
    return dir;
}

QString NutritionElementFile::elementFilePath(const QString &pluFile)
{
    return storePath(pluFile, QStringLiteral("NutritionElem_"), QStringLiteral(".elem"));
}

QString NutritionElementFile::valuesFilePath(const QString &pluFile)
{
    return storePath(pluFile, QStringLiteral("LFCodeNutrition_"), QStringLiteral(".db"));
}

NutritionElementFile::ReadResult NutritionElementFile::read(const QString &path, QVector<Row> *rows, QString *error)
{
    rows->clear();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return ReadResult::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("\"%1\" cannot be read: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return ReadResult::Failed;
    }
    QString reason;
    if (!parse(file.readAll(), rows, &reason)) {
        *error = tr("\"%1\" is damaged: %2").arg(QDir::toNativeSeparators(path), reason);
        return ReadResult::Failed;
    }
    return ReadResult::Ok;
}

bool NutritionElementFile::parse(const QByteArray &bytes, QVector<Row> *rows, QString *error)
{
    rows->clear();
    const QJsonDocument doc = fromBinary(bytes);
    if (doc.isNull()) {
        *error = tr("it is not a nutrition element table");
        return false;
    }
    if (!doc.isArray()) {
        *error = tr("it holds no list of elements");
        return false;
    }
    const QJsonArray array = doc.array();
    for (int i = 0; i < qMin(int(array.size()), int(ElementCount)); ++i) {
        const QJsonObject o = array.at(i).toObject();
        rows->append({o.value(kName).toString(), o.value(kUnit).toString()});
    }
    return true;
}

QByteArray NutritionElementFile::encode(const QVector<Row> &rows)
{
    QJsonArray array;
    for (int i = 0; i < ElementCount; ++i) {
        const Row row = rows.value(i);
        array.append(QJsonObject{{kName, row.name}, {kUnit, row.unit}});
    }
    return toBinary(QJsonDocument(array));
}

bool NutritionElementFile::write(const QString &path, const QVector<Row> &rows, QString *error)
{
    if (path.isEmpty()) {
        *error = tr("the PLU file has no name");
        return false;
    }
    return AtomicFile::write(path, encode(rows), error);
}

NutritionElement NutritionElementFile::record(const Row &row)
{
    NutritionElement e;
    const QByteArray name = TextCodec::toLocal8(row.name);
    std::memcpy(e.name, name.constData(), size_t(qMin(name.size(), int(sizeof e.name))));
    e.unit = uint8_t(unitCode(row.unit));
    return e;
}

QVector<NutritionElement> NutritionElementFile::records(const QVector<Row> &rows)
{
    QVector<NutritionElement> out;
    for (int i = 0; i < ElementCount; ++i)
        out.append(record(rows.value(i)));
    return out;
}

QString NutritionElementFile::recordName(const NutritionElement &element)
{
    return TextCodec::fromLocal8(element.name, int(qstrnlen(element.name, sizeof element.name)));
}
