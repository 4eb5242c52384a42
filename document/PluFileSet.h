#pragma once

#include <QString>

class PluDocument;

// The PLU file set: the main file with its ".Info" (advertising), ".Msg" (messages) and ".RSC"
// (discount schedules) side files. Loading reads everything before the document changes;
// saving writes every member completely before any old file is replaced.
class PluFileSet
{
public:
    // The name every file that belongs to a PLU file is named from: the main file's name up to
    // its last dot ("shop.v2" for "shop.v2.Txp"), so sets whose names differ only after the
    // first dot never share a side file.
    static QString baseName(const QString &mainPath);

    struct SidePaths
    {
        QString info;
        QString msg;
        QString rsc;
    };
    // Beside the main file, with its base name; an existing side file is found whatever the
    // case of its extension.
    static SidePaths sidePathsForLoad(const QString &mainPath);
    // Beside the chosen file, with its base name, plus ".Info", ".Msg", ".RSC".
    static SidePaths sidePathsForSaveAs(const QString &chosenPath);
    // The main file a set chosen under this name is written to: the name itself when its
    // suffix is one the set is read back by ("txp", "txu"), else the name with ".Txp" added.
    static QString mainPathForSave(const QString &chosenPath);

    enum class LoadResult
    {
        Loaded,
        NewFile,
        Failed
    };
    // A missing file becomes the current, empty document. On failure (unknown suffix, a main
    // or side file that is not text in the code page) the document is left as it was and
    // *error says why; *warning reports a partial read (rows beyond the grid).
    static LoadResult load(PluDocument *doc, const QString &path, QString *error, QString *warning = nullptr);
    // Writes the set; on success the document takes the paths and is no longer modified.
    static bool save(PluDocument *doc, const QString &mainPath, const SidePaths &sides, QString *error);
};
