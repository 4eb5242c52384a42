#pragma once

#include <QCoreApplication>
#include <QString>

// The instructions of the custom text import: a text file in the data folder, in Chinese when
// the interface language is, else in English. Written from the program's resources when missing,
// in the code page of the system, so that the desktop's text viewer shows it.
class ImportInstructions
{
    Q_DECLARE_TR_FUNCTIONS(ImportInstructions)

public:
    static QString fileName(const QString &language);
    // The file's path, written first when it does not exist; empty with *error on failure.
    static QString ensureFile(const QString &language, QString *error);
};
