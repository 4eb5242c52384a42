#include "hotkey/ItemData.h"

#include "core/ZQConfig.h"

namespace {
constexpr int kDefaultPointSize = 8;
}

QFont ItemData::defaultFont()
{
    QFont font(ZQConfig::text(ZQConfig::DefaultHotkeyFntName));
    font.setPointSize(kDefaultPointSize);
    return font;
}

ItemData ItemData::fresh()
{
    ItemData item;
    item.font1 = item.font2 = defaultFont();
    return item;
}

ItemData::Layer ItemData::layer(int n)
{
    if (n == 2)
        return {lfCode2, name2, price2, background2, font2, hotKey2, nameIndex2};
    return {lfCode1, name1, price1, background1, font1, hotKey1, nameIndex1};
}

ItemData::ConstLayer ItemData::layer(int n) const
{
    if (n == 2)
        return {lfCode2, name2, price2, background2, font2, hotKey2, nameIndex2};
    return {lfCode1, name1, price1, background1, font1, hotKey1, nameIndex1};
}

void ItemData::clearLayer(int n)
{
    Layer l = layer(n);
    l.name.clear();
    l.price.clear();
    l.background = Qt::white;
    l.lfCode = -1;
    l.nameIndex = -1;
}

bool ItemData::operator==(const ItemData &o) const
{
    return lfCode1 == o.lfCode1 && name1 == o.name1 && price1 == o.price1 && background1 == o.background1 &&
           font1 == o.font1 && lfCode2 == o.lfCode2 && name2 == o.name2 && price2 == o.price2 &&
           background2 == o.background2 && font2 == o.font2 && picture == o.picture && hotKey1 == o.hotKey1 &&
           hotKey2 == o.hotKey2 && nameIndex1 == o.nameIndex1 && nameIndex2 == o.nameIndex2;
}
