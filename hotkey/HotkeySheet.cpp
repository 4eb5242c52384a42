#include "hotkey/HotkeySheet.h"

#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "hotkey/HotkeySheetTypes.h"

#include <QHash>
#include <QStandardItemModel>

HotkeySheet::HotkeySheet(QObject *parent) : QObject(parent), m_model(new QStandardItemModel(this)) {}

int HotkeySheet::keyCount() const
{
    return m_model->rowCount();
}

QStringList HotkeySheet::pluNames() const
{
    QStringList names;
    names.reserve(m_plus.size());
    for (const TPLU &plu : m_plus)
        names << TextCodec::fromLocal8(plu.pluNameBytes());
    return names;
}

QString HotkeySheet::priceText(const TPLU &plu)
{
    return PriceFormat::fromScaled(plu.UnitPrice);
}

void HotkeySheet::resetKeys(int type, const QVector<HotkeyKey> &keys)
{
    m_type = HotkeySheetTypes::normalized(type);
    const int n = HotkeySheetTypes::geometry(m_type).keys;
    QList<QStandardItem *> items;
    items.reserve(n);
    for (int row = 0; row < n; ++row) {
        const HotkeyKey key = row < keys.size() ? keys.at(row) : HotkeyKey();
        auto *item = new QStandardItem;
        item->setEditable(false);
        item->setDragEnabled(false);
        item->setData(QVariant::fromValue(key.data), ItemRole);
        item->setData(key.layout, LayoutRole);
        items.append(item);
    }
    m_model->clear();
    m_model->setColumnCount(1);
    for (QStandardItem *item : items)
        m_model->appendRow(item);
}

void HotkeySheet::newSheet(int type)
{
    resetKeys(type, {});
}

void HotkeySheet::fill(int type, const TPLUList &plus, const HotkeyFunctionRows &functions)
{
    const int n = HotkeySheetTypes::geometry(type).keys;
    QVector<HotkeyKey> keys(n);
    auto put = [&](int h, qint32 lfCode, const QString &name, const QString &price, int nameIndex) {
        if (h < 1 || h > 2 * n)
            return;
        const bool second = h > n;
        HotkeyKey &key = keys[(h - 1) % n];
        ItemData::Layer l = key.data.layer(second ? 2 : 1);
        l.name = name;
        l.lfCode = lfCode;
        l.price = price;
        l.hotKey = h;
        l.nameIndex = nameIndex;
        if (second)
            key.layout = KeyLayout::BothLayers;
    };
    for (int i = 0; i < plus.size(); ++i) {
        const TPLU &plu = plus.at(i);
        put(plu.HotKey, plu.LFCode, TextCodec::fromLocal8(plu.pluNameBytes()), priceText(plu), i);
    }
    for (const HotkeyFunctionRow &f : functions) {
        const int h = f.first;
        if (h < 1 || h > 2 * n)
            continue;
        const int index = HotkeyFunctions::indexOf(f.second);
        // A value no function has keeps the layer's name.
        const ItemData::ConstLayer now = keys.at((h - 1) % n).data.layer(h > n ? 2 : 1);
        put(h, f.second, index >= 0 ? HotkeyFunctions::name(index) : now.name, QString(), -1);
    }
    m_plus = plus;
    resetKeys(type, keys);
}

void HotkeySheet::setKeys(const QVector<HotkeyKey> &keys)
{
    TPLUList plus;
    for (int row = 0; row < keys.size() && row < HotkeySheetTypes::geometry(m_type).keys; ++row) {
        for (int n = 1; n <= 2; ++n) {
            const ItemData::ConstLayer l = keys.at(row).data.layer(n);
            if (l.name.isEmpty())
                continue;
            TPLU plu;
            plu.setPluNameBytes(TextCodec::toLocal8(l.name));
            plu.HotKey = l.hotKey;
            plu.LFCode = l.lfCode;
            plu.UnitPrice = int(PriceFormat::toScaled(l.price));
            plus.append(plu);
        }
    }
    m_plus = plus;
    resetKeys(m_type, keys);
}

QVector<HotkeyKey> HotkeySheet::keys() const
{
    QVector<HotkeyKey> keys;
    keys.reserve(keyCount());
    for (int row = 0; row < keyCount(); ++row)
        keys.append({item(row), layout(row)});
    return keys;
}

ItemData HotkeySheet::item(int row) const
{
    return m_model->index(row, 0).data(ItemRole).value<ItemData>();
}

int HotkeySheet::layout(int row) const
{
    return m_model->index(row, 0).data(LayoutRole).toInt();
}

void HotkeySheet::setItem(int row, const ItemData &item)
{
    m_model->setData(m_model->index(row, 0), QVariant::fromValue(item), ItemRole);
}

void HotkeySheet::setLayout(int row, int layout)
{
    if (KeyLayout::isValid(layout))
        m_model->setData(m_model->index(row, 0), layout, LayoutRole);
}

int HotkeySheet::keyNumber(int row, int layer) const
{
    return layer == 2 ? keyCount() + row + 1 : row + 1;
}

QList<int> HotkeySheet::layersOf(int layer)
{
    return layer == BothLayers ? QList<int>{1, 2} : QList<int>{layer == 2 ? 2 : 1};
}

template <typename F> void HotkeySheet::forEachKey(const QList<int> &rows, F &&change)
{
    for (int row : rows) {
        if (row < 0 || row >= keyCount())
            continue;
        ItemData d = item(row);
        change(row, d);
        setItem(row, d);
    }
}

void HotkeySheet::loadPlu(const QList<int> &rows, int layer, int index)
{
    if (index < 0 || index >= m_plus.size())
        return;
    const TPLU &plu = m_plus.at(index);
    const QString name = TextCodec::fromLocal8(plu.pluNameBytes());
    forEachKey(rows, [&](int row, ItemData &d) {
        for (int n : layersOf(layer)) {
            ItemData::Layer l = d.layer(n);
            l.name = name;
            l.lfCode = plu.LFCode;
            l.price = priceText(plu);
            l.hotKey = keyNumber(row, n);
            l.nameIndex = index;
        }
    });
}

void HotkeySheet::choosePlu(const QList<int> &rows, int layer, int index)
{
    if (index < 0 || index >= m_plus.size())
        return;
    const QString name = TextCodec::fromLocal8(m_plus.at(index).pluNameBytes());
    bool emptied = false;
    for (int n = 1; n <= 2 && !emptied; ++n) {
        for (int row = 0; row < keyCount() && !emptied; ++row) {
            ItemData d = item(row);
            ItemData::Layer l = d.layer(n);
            if (l.name != name)
                continue;
            l.name.clear();
            l.price.clear();
            l.lfCode = -1;
            l.nameIndex = -1;
            setItem(row, d);
            emptied = true;
        }
    }
    loadPlu(rows, layer, index);
}

void HotkeySheet::chooseFunction(const QList<int> &rows, int layer, int functionIndex)
{
    if (functionIndex < 0 || functionIndex >= HotkeyFunctions::Count)
        return;
    forEachKey(rows, [&](int row, ItemData &d) {
        for (int n : layersOf(layer)) {
            ItemData::Layer l = d.layer(n);
            l.name = HotkeyFunctions::name(functionIndex);
            l.lfCode = HotkeyFunctions::keyValue(functionIndex);
            l.price.clear();
            l.hotKey = keyNumber(row, n);
            l.nameIndex = -1;
        }
    });
}

void HotkeySheet::clearLayer(const QList<int> &rows, int layer)
{
    forEachKey(rows, [&](int, ItemData &d) {
        for (int n : layersOf(layer))
            d.clearLayer(n);
    });
}

void HotkeySheet::setFont(const QList<int> &rows, int layer, const QFont &font)
{
    forEachKey(rows, [&](int, ItemData &d) {
        for (int n : layersOf(layer))
            d.layer(n).font = font;
    });
}

void HotkeySheet::setBackground(const QList<int> &rows, int layer, const QColor &color)
{
    forEachKey(rows, [&](int, ItemData &d) {
        for (int n : layersOf(layer))
            d.layer(n).background = color;
    });
}

void HotkeySheet::togglePrice(const QList<int> &rows)
{
    for (int row : rows)
        setLayout(row, layout(row) ^ KeyLayout::PriceBit);
}

void HotkeySheet::setPicture(const QList<int> &rows, const QImage &picture)
{
    forEachKey(rows, [&](int row, ItemData &d) {
        d.picture = picture;
        d.name1.clear();
        setLayout(row, KeyLayout::FirstOnly);
    });
}

void HotkeySheet::removePicture(const QList<int> &rows)
{
    forEachKey(rows, [](int, ItemData &d) { d.picture = QImage(); });
}

void HotkeySheet::useSecondLayer(const QList<int> &rows)
{
    for (int row : rows)
        setLayout(row, layout(row) == KeyLayout::FirstWithPrice ? KeyLayout::BothWithPrices : KeyLayout::BothLayers);
}

void HotkeySheet::cancelSecondLayer(const QList<int> &rows)
{
    for (int row : rows)
        setLayout(row, layout(row) == KeyLayout::BothWithPrices ? KeyLayout::FirstWithPrice : KeyLayout::FirstOnly);
}

void HotkeySheet::showSecondLayer(const QList<int> &rows, bool shown, int fromLayout)
{
    const int value = shown ? fromLayout | KeyLayout::SecondLayerBit : fromLayout & ~KeyLayout::SecondLayerBit;
    for (int row : rows)
        setLayout(row, value);
}

QHash<qint32, int> HotkeySheet::hotkeysByLfCode() const
{
    QHash<qint32, int> map;
    for (int n = 1; n <= 2; ++n) {
        for (int row = 0; row < keyCount(); ++row) {
            const ItemData d = item(row);
            const ItemData::ConstLayer l = d.layer(n);
            if (l.lfCode != -1 && !map.contains(l.lfCode))
                map.insert(l.lfCode, l.hotKey);
        }
    }
    return map;
}

int HotkeySheet::hotkeyOf(qint32 lfCode) const
{
    return hotkeysByLfCode().value(lfCode, 0);
}

QVector<int> HotkeySheet::assignHotkeys(const TPLUList &rows)
{
    const QHash<qint32, int> map = hotkeysByLfCode();
    m_plus = rows;
    QVector<int> hotkeys;
    hotkeys.reserve(rows.size());
    for (TPLU &plu : m_plus) {
        plu.HotKey = map.value(plu.LFCode, 0);
        hotkeys.append(plu.HotKey);
    }
    return hotkeys;
}

HotkeyFunctionRows HotkeySheet::functionRows() const
{
    HotkeyFunctionRows rows;
    for (int n = 1; n <= 2; ++n) {
        for (int row = 0; row < keyCount(); ++row) {
            const ItemData d = item(row);
            const ItemData::ConstLayer l = d.layer(n);
            if (HotkeyFunctions::isFunctionKey(l.lfCode))
                rows.append({l.hotKey, l.lfCode});
        }
    }
    return rows;
}

TPLUList HotkeySheet::hotkeyTablePlus() const
{
    TPLUList plus;
    for (const TPLU &plu : m_plus) {
        if (!HotkeyFunctions::isFunctionKey(plu.LFCode))
            plus.append(plu);
    }
    return plus;
}
