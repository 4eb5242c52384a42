#pragma once

#include "hotkey/ItemData.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The ".Hotk" file of a hotkey sheet: one record per key, keys 1 to N, in Qt's stream forms and
// nothing else (no header, count or sheet type). Prices are stored scaled by 10^decimals; in
// memory a price is its decimal text.
class HotkeySheetFile
{
    Q_DECLARE_TR_FUNCTIONS(HotkeySheetFile)
public:
    enum class Result
    {
        Ok,
        CannotOpen,
        Damaged,
    };

    static QByteArray encode(const QVector<HotkeyKey> &keys);
    // Reads keyCount keys: a file that ends after a whole record leaves the remaining keys new,
    // records past keyCount are ignored. A record cut short or holding impossible values makes
    // the file damaged; then *keys is left as it was and *error says where.
    static Result decode(const QByteArray &bytes, int keyCount, QVector<HotkeyKey> *keys, QString *error);

    static bool write(const QString &path, const QVector<HotkeyKey> &keys, QString *error);
    static Result read(const QString &path, int keyCount, QVector<HotkeyKey> *keys, QString *error);

    // Compresses a picture for the file now, so that saving later does not (for a picture just
    // imported). Saving and reading keep what they compressed or read.
    static void preparePicture(const QImage &picture);

    // The price as the file holds it: the decimal text times 10^decimals, at most six digits.
    static QString scaledPrice(const QString &decimalText);
    // And back: the decimal text of a stored price, or empty text for one that is no number.
    static QString decimalPrice(const QString &scaledText);
};
