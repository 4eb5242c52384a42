#include "hotkey/HotkeySheetTypes.h"

#include "core/ZQConfig.h"

namespace {
// Pitch = (cell + spacing) / 96 inch, to a hundredth of a millimetre.
const HotkeySheetGeometry kTypes[HotkeySheetTypes::Count] = {
    {QT_TRANSLATE_NOOP("HotkeySheetTypes", "112HotkeyX2"),
     112,
     {1150, 650},
     {54, 52},
     {820, 650},
     1,
     {781, 439},
     14.55,
     14.02},
    {QT_TRANSLATE_NOOP("HotkeySheetTypes", "56HotkeyX2"),
     56,
     {600, 650},
     {52, 48},
     {400, 650},
     0,
     {366, 414},
     13.76,
     12.70},
    {QT_TRANSLATE_NOOP("HotkeySheetTypes", "60HotkeyX2"),
     60,
     {850, 650},
     {62, 60},
     {690, 450},
     2,
     {641, 414},
     16.93,
     16.40},
    {QT_TRANSLATE_NOOP("HotkeySheetTypes", "56HotkeyX2(1315)"),
     56,
     {650, 650},
     {55, 52},
     {420, 650},
     1,
     {396, 429},
     14.82,
     14.02},
    {QT_TRANSLATE_NOOP("HotkeySheetTypes", "40HotkeyX2"),
     40,
     {700, 650},
     {53, 52},
     {455, 450},
     1,
     {436, 309},
     14.29,
     14.02},
};
} // namespace

int HotkeySheetTypes::normalized(int type)
{
    return type >= 0 && type < Count ? type : 0;
}

const HotkeySheetGeometry &HotkeySheetTypes::geometry(int type)
{
    return kTypes[normalized(type)];
}

QString HotkeySheetTypes::label(int type)
{
    return tr(geometry(type).label);
}

int HotkeySheetTypes::stored()
{
    ZQConfig *config = ZQConfig::instance();
    return normalized(config ? config->value(ZQConfig::HotkeySheetType).toInt() : 0);
}

void HotkeySheetTypes::store(int type)
{
    if (ZQConfig *config = ZQConfig::instance()) {
        config->setValue(ZQConfig::HotkeySheetType, normalized(type));
        config->sync();
    }
}

int HotkeySheetTypes::columns(int type)
{
    const HotkeySheetGeometry &g = geometry(type);
    return qMax(1, (g.previewList.width() - g.spacing) / (g.printCell.width() + g.spacing));
}

int HotkeySheetTypes::rows(int type)
{
    const int cols = columns(type);
    return (geometry(type).keys + cols - 1) / cols;
}

QRect HotkeySheetTypes::printCellRect(int type, int index)
{
    const HotkeySheetGeometry &g = geometry(type);
    const int cols = columns(type);
    const int x = g.spacing + (index % cols) * (g.printCell.width() + g.spacing);
    const int y = g.spacing + (index / cols) * (g.printCell.height() + g.spacing);
    return QRect(QPoint(x, y), g.printCell);
}

QSize HotkeySheetTypes::cardSize(int type)
{
    const HotkeySheetGeometry &g = geometry(type);
    const QRect last = printCellRect(type, g.keys - 1);
    const QRect lastInRow = printCellRect(type, columns(type) - 1);
    // The outline is stroked one pixel wide on its corner.
    return QSize(qMax(lastInRow.right(), g.outlineCorner.x()) + 1, qMax(last.bottom(), g.outlineCorner.y()) + 1);
}
