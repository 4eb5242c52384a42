#pragma once

#include <QString>

class PluDocument;

// The PLU file set: the main file with its ".Info" (advertising), ".Msg" (messages) and ".RSC"
// (discount schedules) side files. Loading reads everything before the document changes;
// saving writes every member completely before any old file is replaced.
class PluFileSet
{
public:
    struct SidePaths
    {
        QString info;
        QString msg;
        QString rsc;
    };
    // Beside the main file, with its base name; an existing side file is found whatever the
    // case of its extension.
    static SidePaths sidePathsForLoad(const QString &mainPath);
    // The chosen path without ".TXP" (any case), plus ".Info", ".Msg", ".RSC".
    static SidePaths sidePathsForSaveAs(const QString &chosenPath);

    enum class LoadResult
    {
        Loaded,
        NewFile,
        Failed
    };
    // A missing file becomes the current, empty document. On failure the document is left as
    // it was and *error says why; *warning reports a partial read (rows beyond the grid).
    static LoadResult load(PluDocument *doc, const QString &path, QString *error, QString *warning = nullptr);
    // Writes the set; on success the document takes the paths and is no longer modified.
    static bool save(PluDocument *doc, const QString &mainPath, const SidePaths &sides, QString *error);
};
