#pragma once

#include <QString>
#include <QVector>

// The languages the program speaks and the translators that make it speak one: the program's
// own texts ("Lang/PLU_<code>.qm", in the working folder first, then in the program folder) and Qt's
// texts of its standard dialogs and buttons (Qt's translation folder).
class Language
{
public:
    struct Choice
    {
        QString code; // "en_US", "zh_CN"
        QString name; // as a speaker writes it: "English", "中文"
    };
    static const QVector<Choice> &choices();

    // Replaces the installed translators with those of `code`. False when the program's own
    // translation file is missing; the texts are then the untranslated ones.
    static bool install(const QString &code);
    // The language last installed.
    static QString current();
};
