#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// One element as the scale takes it: the name in the local 8-bit code page, cut to 14 bytes and
// zero-padded (a 14-byte name has no terminator), and the unit code.
struct NutritionElement
{
    char name[14] = {};
    uint8_t unit = 0;
};

// The nutrition element table of one PLU file: up to 12 elements with a name and a unit text,
// kept in "NutritionElem_<base>.elem" as Qt's binary JSON array of {"Name", "iUnit"} objects.
// Also the rule that names both nutrition stores of a PLU file.
class NutritionElementFile
{
public:
    static constexpr int ElementCount = 12;

    struct Row
    {
        QString name;
        QString unit;
        bool operator==(const Row &o) const { return name == o.name && unit == o.unit; }
    };

    // "kJ", "g", "mg", "ug": the units the element editor offers, code 1..4 in this order.
    static const QStringList &unitNames();
    // The editor's rule: the exact position in unitNames(), else 0.
    static int unitCode(const QString &unit);
    // The transfer's rule: compared without regard to case, else 0.
    static int transferUnitCode(const QString &unit);
    // What a content in this unit is multiplied by on its way to the scale ("g" and "mg" are sent
    // in tenths, "ug" in hundredths).
    static int unitFactor(int code);

    // Both stores sit in "DB" below the data folder and are named from the PLU file's name up to
    // its last dot, as its side files are. Empty for a PLU file without a name.
    static QString elementFilePath(const QString &pluFile);
    static QString valuesFilePath(const QString &pluFile);
    // The "DB" folder, made when missing.
    static QString storeFolder();

    enum class ReadResult
    {
        Ok,
        Missing, // no file: no elements
        Failed   // unreadable or not a binary JSON array; *error says why
    };
    // At most 12 rows, in file order.
    static ReadResult read(const QString &path, QVector<Row> *rows, QString *error);
    static bool parse(const QByteArray &bytes, QVector<Row> *rows, QString *error);
    // Always 12 objects; missing rows are written empty.
    static QByteArray encode(const QVector<Row> &rows);
    static bool write(const QString &path, const QVector<Row> &rows, QString *error);

    static NutritionElement record(const Row &row);
    static QVector<NutritionElement> records(const QVector<Row> &rows);
    static QString recordName(const NutritionElement &element);
};
