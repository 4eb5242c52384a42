#pragma once

#include "core/TPLU.h"
#include "hotkey/HotkeyFunctions.h"
#include "hotkey/ItemData.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

class QStandardItemModel;

// The hotkey sheet: one row per key of the current sheet type, each with its ItemData and its
// layout, and the PLU list the keys are chosen from. Every command of the sheet editor is a
// method here acting on a set of keys (rows, 0-based), so the editor only forwards and the
// command-line tool and tests work without a window.
class HotkeySheet : public QObject
{
    Q_OBJECT
public:
    static constexpr int LayoutRole = Qt::UserRole;
    static constexpr int ItemRole = Qt::UserRole + 1;
    // Layer argument of the commands: 1, 2, or both.
    static constexpr int BothLayers = 0;

    explicit HotkeySheet(QObject *parent = nullptr);

    QStandardItemModel *model() const { return m_model; }
    // -1 until a sheet was built.
    int type() const { return m_type; }
    int keyCount() const;
    const TPLUList &plus() const { return m_plus; }
    // Names of the PLU list in order: what the two name boxes offer, so a box index is a list
    // index.
    QStringList pluNames() const;

    // N new keys of the type, in layout 0. The PLU list stays.
    void newSheet(int type);
    // A new sheet with the table's PLUs on their hotkeys and the stored function keys.
    void fill(int type, const TPLUList &plus, const HotkeyFunctionRows &functions);
    // Keys read from a file replace the keys; the PLU list is rebuilt from the keys' layers.
    void setKeys(const QVector<HotkeyKey> &keys);
    QVector<HotkeyKey> keys() const;

    ItemData item(int row) const;
    int layout(int row) const;
    void setItem(int row, const ItemData &item);
    void setLayout(int row, int layout);
    // Key number of a layer of a row: row + 1 or N + row + 1.
    int keyNumber(int row, int layer) const;

    // The price shown for a PLU: its unit price as a decimal text.
    static QString priceText(const TPLU &plu);

    // --- commands on the given keys ---
    // PLU `index` of the list on a layer (or both), as "load plu" does.
    void loadPlu(const QList<int> &rows, int layer, int index);
    // As the name boxes do: the first other layer showing the same name is emptied first, so a
    // PLU stands on one layer only. index -1 does nothing.
    void choosePlu(const QList<int> &rows, int layer, int index);
    void chooseFunction(const QList<int> &rows, int layer, int functionIndex);
    void clearLayer(const QList<int> &rows, int layer);
    void setFont(const QList<int> &rows, int layer, const QFont &font);
    void setBackground(const QList<int> &rows, int layer, const QColor &color);
    void togglePrice(const QList<int> &rows);
    void setPicture(const QList<int> &rows, const QImage &picture);
    void removePicture(const QList<int> &rows);
    // "use page2": layout 1 becomes 3, anything else 2. "cancel page2": 3 becomes 1, else 0.
    void useSecondLayer(const QList<int> &rows);
    void cancelSecondLayer(const QList<int> &rows);
    // The two-layer check box: from the layout of the last clicked key, the second layer bit
    // set or cleared, given to every key.
    void showSecondLayer(const QList<int> &rows, bool shown, int fromLayout);

    // --- results ---
    // The key number of the first layer holding this LF code (first layers of keys 1..N before
    // second layers), 0 when none does.
    int hotkeyOf(qint32 lfCode) const;
    // The table's rows get the hotkeys of their LF codes on the keys (0 when on none) and become
    // the sheet's PLU list; returns the hotkeys in row order.
    QVector<int> assignHotkeys(const TPLUList &rows);
    // What the editor's "Download" sends as the scale's hotkey table: the PLU list without the
    // layers that hold functions, whose key values are no LF codes (they travel as function
    // rows).
    TPLUList hotkeyTablePlus() const;
    // (key number, key value) of every layer holding a function, first layers first.
    HotkeyFunctionRows functionRows() const;

private:
    QHash<qint32, int> hotkeysByLfCode() const;
    void resetKeys(int type, const QVector<HotkeyKey> &keys);
    template <typename F> void forEachKey(const QList<int> &rows, F &&change);
    static QList<int> layersOf(int layer);

    QStandardItemModel *m_model;
    int m_type = -1;
    TPLUList m_plus;
};
