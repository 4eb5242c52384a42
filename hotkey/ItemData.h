#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMetaType>
#include <QString>
#include <type_traits>

// One key of a hotkey sheet: two layers of PLU (or function) with their looks, and a picture.
// Layer 1 is key k, layer 2 key k + N. The picture is held as an image so that reading a sheet
// and printing it need no window system; in the file it takes the same form as a pixmap.
struct ItemData
{
    qint32 lfCode1 = -1; // LF code, a function key value, or -1 when empty
    QString name1;
    QString price1; // decimal price text, empty when the layer holds no PLU
    QColor background1 = Qt::white;
    QFont font1;
    qint32 lfCode2 = -1;
    QString name2;
    QString price2;
    QColor background2 = Qt::white;
    QFont font2;
    QImage picture;
    qint32 hotKey1 = 0; // key number of layer 1's content, 0 when unassigned
    qint32 hotKey2 = 0;
    qint32 nameIndex1 = -1; // index in the sheet's PLU list, -1 when none
    qint32 nameIndex2 = -1;

    // A new key: empty layers in the default hotkey font, white.
    static ItemData fresh();
    static QFont defaultFont();

    // The fields of one layer (1 or 2), so that commands are written once for both.
    template <bool IsConst> struct LayerRef
    {
        template <typename T> using Field = std::conditional_t<IsConst, const T, T> &;
        Field<qint32> lfCode;
        Field<QString> name;
        Field<QString> price;
        Field<QColor> background;
        Field<QFont> font;
        Field<qint32> hotKey;
        Field<qint32> nameIndex;
    };
    using Layer = LayerRef<false>;
    using ConstLayer = LayerRef<true>;
    Layer layer(int n);
    ConstLayer layer(int n) const;

    // Empties a layer: no name, price or PLU, white. Font and hotkey number stay.
    void clearLayer(int n);

    bool operator==(const ItemData &other) const;
    bool operator!=(const ItemData &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(ItemData)

// The key layout: bit 0 shows the price, bit 1 the second layer.
namespace KeyLayout {
constexpr int FirstOnly = 0;
constexpr int FirstWithPrice = 1;
constexpr int BothLayers = 2;
constexpr int BothWithPrices = 3;
constexpr int PriceBit = 1;
constexpr int SecondLayerBit = 2;
inline bool isValid(int layout)
{
    return layout >= 0 && layout <= 3;
}
} // namespace KeyLayout

// A key as drawn and saved: its data and its layout.
struct HotkeyKey
{
    ItemData data = ItemData::fresh();
    int layout = KeyLayout::FirstOnly;

    bool operator==(const HotkeyKey &other) const { return layout == other.layout && data == other.data; }
};
