#include "core/ZQConfig.h"

#include "core/LogCategories.h"
#include "core/PriceFormat.h"
#include "core/TextCodec.h"
#include "core/WeightUnits.h"

#include <QFileInfo>
#include <QSettings>

ZQConfig *ZQConfig::s_instance = nullptr;

namespace {
using T = ZQConfig::Type;
using L = ZQConfig::Load;
const QVariant kEmpty = QString();

QVariant text(const char *s)
{
    return QString::fromLatin1(s);
}

// One row per key, in the order they are read at start-up. This table is also the reference
// of every key the program keeps in "SYSTEM.CFG".
const ZQConfig::KeyInfo kKeys[ZQConfig::KeyCount] = {
    {"ZQPLU_ImportPluSet", "ChkHotKey", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxHotKey", T::Text, text("1"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkPluName", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxPluName", T::Text, text("2"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkLfCode", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxLfcode", T::Text, text("3"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkCode", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxCode", T::Text, text("4"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkBarCode", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxBarCode", T::Text, text("5"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkUnitPrice", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxUnitPrice", T::Text, text("6"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkDiv100", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "ChkDiv1000", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "ChkWeightUnit", T::Bool, true, L::Cached},
    {"ZQPLU_ImportPluSet", "ChkDeptMent", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxDeptMent", T::Text, text("9"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkTare", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxTare", T::Text, text("10"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkShleftime", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxShleftime", T::Text, text("11"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkTolerance", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxTolerance", T::Text, text("14"), L::Cached},
    {"ZQPLU_ImportPluSet", "CboxWeightPos", T::Text, text("7"), L::Cached},
    {"ZQPLU_ImportPluSet", "ChkFixWeightUnit", T::Bool, false, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxFixWeightUnit", T::Int, 4, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxPluSep", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "edtCustSep", T::Text, kEmpty, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxFirstLineIsTitle", T::Bool, false, L::Cached},
    // Field lengths of a fixed-position layout; 0 (absent) takes nothing.
    {"ZQPLU_ImportPluSet", "CboxHotKeyLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxPluNameLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxLFCodeLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxCodeLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxBarCodeLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxUnitPriceLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxWeightUnitLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxDeptMentLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxTareLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxShleftimeLen", T::Int, 0, L::Cached},
    {"ZQPLU_ImportPluSet", "CboxToleranceLen", T::Int, 0, L::Cached},

    {"PLU", "DefaultBarCode", T::Text, text("2"), L::Cached},
    {"PLU", "DefaultWeightUnit", T::Text, text("kg"), L::Cached},
    {"PLU", "DefaultDepartMent", T::Text, text("0"), L::Cached},
    {"PLU", "DefaultHotkeyFntName", T::Text, text("MS Sans Serif"), L::Cached},
    {"PLU", "PLUCaption", T::Text, text("PLU manager"), L::Cached},
    {"PLU", "PluNameLen", T::Int, 36, L::Cached},

    // "LfcodeLen" 6 gives LF codes 0..999999, anything else 0..9999999.
    {"Setting", "LfcodeLen", T::Int, 6, L::Cached},
    // Code page of files and scale records, e.g. "GBK" or "windows-1252"; empty: the locale's.
    {"Setting", "CodePage", T::Text, kEmpty, L::Cached},

    // "GREECE" (any case) switches the Recomdays column on once and is then emptied.
    {"Version", "CompanyID", T::Text, kEmpty, L::Cached},

    {"Function", "isShowIce", T::Bool, false, L::MinusOneToFalse},
    {"Function", "isShowRecomdays", T::Bool, false, L::MinusOneToFalse},
    {"Function", "IsShowGST", T::Bool, false, L::MinusOneToFalse},
    {"Function", "isShowTraceCode", T::Bool, false, L::Cached},
    {"Function", "isShowCusHotKeyFun", T::Bool, false, L::EmptyToFalse},
    {"Function", "IsShowPT", T::Bool, false, L::MinusOneToFalse},
    {"Function", "IsShowPackPrice", T::Bool, false, L::EmptyToFalse},
    {"Function", "IsShowNutrition", T::Bool, true, L::Cached},
    {"Function", "IsShowPluTotal", T::Bool, false, L::Cached},
    {"Function", "IsShowNgTolerance", T::Bool, false, L::Cached},
    {"Function", "CertiStatus", T::Int, 0, L::Cached},
    {"Function", "IsClearMessage", T::Bool, true, L::Cached},

    {"WeightIDSet", "0", T::Text, text("0"), L::Cached},
    {"WeightIDSet", "1", T::Text, text("1"), L::Cached},
    {"WeightIDSet", "2", T::Text, text("2"), L::Cached},
    {"WeightIDSet", "3", T::Text, text("3"), L::Cached},
    {"WeightIDSet", "4", T::Text, text("4"), L::Cached},
    {"WeightIDSet", "5", T::Text, text("5"), L::Cached},
    {"WeightIDSet", "6", T::Text, text("6"), L::Cached},
    {"WeightIDSet", "7", T::Text, text("7"), L::Cached},
    {"WeightIDSet", "8", T::Text, text("8"), L::Cached},
    {"WeightIDSet", "9", T::Text, text("9"), L::Cached},
    {"WeightIDSet", "10", T::Text, text("10"), L::Cached},
    {"WeightIDSet", "11", T::Text, text("11"), L::Cached},
    {"WeightIDSet", "12", T::Text, text("12"), L::Cached},

    // Number of price decimals.
    {"KVB2600", "Position", T::Int, 2, L::Cached},

    // Written as "en_US" by main when empty.
    {"Language", "Language", T::Text, kEmpty, L::OnDemand},
    // The last PLU file, reopened at start-up and written on close.
    {"PluFile", "fileName", T::Text, kEmpty, L::OnDemand},
    {"PLU", "Hotkey Sheet Type", T::Int, 0, L::OnDemand},
    // About dialog texts; an absent key leaves the dialog's own text.
    {"Version", "PLUAppName", T::Text, kEmpty, L::OnDemand},
    {"Version", "build", T::Text, kEmpty, L::OnDemand},
    {"Version", "CompanyName", T::Text, kEmpty, L::OnDemand},
    {"Version", "version", T::Text, kEmpty, L::OnDemand},
    {"Version", "www", T::Text, kEmpty, L::OnDemand},
    {"Version", "logoname", T::Text, text("./images/ZQ_logo.jpg"), L::OnDemand},
    // The link to the scale: 0 RS-232, 1 TCP/IP; the others default to the dialog's values.
    {"Comm", "CommType", T::Int, 1, L::OnDemand},
    {"Comm", "Port", T::Text, kEmpty, L::OnDemand},
    {"Comm", "BaudRate", T::Text, text("115200"), L::OnDemand},
    {"Comm", "IP", T::Text, kEmpty, L::OnDemand},
    // Read by the link library from the file handed to zqscaleLoadIniFile.
    {"Link", "TcpPort", T::Int, 5005, L::OnDemand},
    {"Link", "TimeoutMs", T::Int, 3000, L::OnDemand},
    // The spreadsheet import: the chosen properties ("1"/"0" per box, element 0 for none) and the
    // last ranges (written, not read back: a new sheet needs new ranges).
    {"PLU_Import", "Map", T::Text, kEmpty, L::OnDemand},
    {"PLU_Import", "RangeStart", T::Int, 1, L::OnDemand},
    {"PLU_Import", "RangeEnd", T::Int, 0, L::OnDemand},
    {"PLU_Import", "To", T::Int, 1, L::OnDemand},
};

QString str(const char *s)
{
    return QString::fromLatin1(s);
}
} // namespace

const ZQConfig::KeyInfo &ZQConfig::info(Key key)
{
    return kKeys[key];
}

ZQConfig::ZQConfig(const QString &path, QObject *parent)
    : QObject(parent), m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
    m_settings->setIniCodec("UTF-8");
    s_instance = this;
    load();
}

ZQConfig::~ZQConfig()
{
    if (s_instance == this)
        s_instance = nullptr;
}

ZQConfig *ZQConfig::instance()
{
    return s_instance;
}

QString ZQConfig::fileName() const
{
    return m_settings->fileName();
}

bool ZQConfig::toBool(const QVariant &v)
{
    if (v.type() == QVariant::Bool)
        return v.toBool();
    const QString s = v.toString().trimmed();
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double d = s.toDouble(&ok);
    return ok && d != 0.0;
}

QVariant ZQConfig::convert(Key key, const QVariant &raw) const
{
    switch (kKeys[key].type) {
    case Type::Bool:
        return toBool(raw);
    case Type::Int:
        return raw.toString().trimmed().toInt(); // a non-number reads as 0
    case Type::Text:
        return raw.toString();
    }
    return raw;
}

QString ZQConfig::matchName(const QString &name, const QStringList &names)
{
    if (names.contains(name))
        return name;
    for (const QString &n : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    }
    return name;
}

QString ZQConfig::matchGroup(const QString &group) const
{
    return matchName(group, m_settings->childGroups());
}

QString ZQConfig::matchKey(const QString &group, const QString &key) const
{
    m_settings->beginGroup(group);
    const QString found = matchName(key, m_settings->childKeys());
    m_settings->endGroup();
    return found;
}

QVariant ZQConfig::value(const QString &groupName, const QString &key, const QVariant &defaultValue) const
{
    const QString group = matchGroup(groupName);
    const QString k = matchKey(group, key);
    m_settings->beginGroup(group);
    const QVariant v = m_settings->value(k, defaultValue);
    m_settings->endGroup();
    return v;
}

void ZQConfig::setValue(const QString &group, const QString &key, const QVariant &value)
{
    for (int i = 0; i < KeyCount; ++i) {
        if (group.compare(str(kKeys[i].group), Qt::CaseInsensitive) == 0 &&
            key.compare(str(kKeys[i].key), Qt::CaseInsensitive) == 0) {
            setValue(static_cast<Key>(i), value);
            return;
        }
    }
    write(group, key, value);
}

void ZQConfig::write(const QString &groupName, const QString &key, const QVariant &value)
{
    const QString group = matchGroup(groupName);
    const QString k = matchKey(group, key);
    m_settings->beginGroup(group);
    m_settings->setValue(k, value);
    m_settings->endGroup();
}

QVariant ZQConfig::value(Key key) const
{
    if (m_cached[key])
        return m_cache[key];
    return convert(key, stored(key, kKeys[key].defaultValue));
}

void ZQConfig::setValue(Key key, const QVariant &value)
{
    write(str(kKeys[key].group), str(kKeys[key].key), value);
    if (kKeys[key].load != Load::OnDemand) {
        m_cache[key] = convert(key, value);
        m_cached[key] = true;
    }
    if (key == Position)
        PriceFormat::setDecimals(m_cache[key].toInt());
    if (key == CodePage)
        TextCodec::setCodePage(m_cache[key].toString().toLatin1()); // an unknown name keeps the one in use
}

void ZQConfig::applyCodePage()
{
    const QString name = m_cache[CodePage].toString();
    if (TextCodec::setCodePage(name.toLatin1()))
        return;
    // A misspelt name must not leave the previous code page silently in use either: fall back
    // to the default and say so, before any file is read or written.
    TextCodec::setCodePage(QByteArray());
    m_problems << tr("Unknown code page '%1' in %2; using %3")
                      .arg(name, QFileInfo(fileName()).fileName(), QString::fromLatin1(TextCodec::name()));
}

QVariant ZQConfig::stored(Key key, const QVariant &fallback) const
{
    return value(str(kKeys[key].group), str(kKeys[key].key), fallback);
}

void ZQConfig::sync()
{
    m_settings->sync();
}

bool ZQConfig::flag(Key key)
{
    return s_instance ? toBool(s_instance->value(key)) : toBool(kKeys[key].defaultValue);
}

int ZQConfig::number(Key key)
{
    return s_instance ? s_instance->value(key).toInt() : kKeys[key].defaultValue.toInt();
}

QString ZQConfig::text(Key key)
{
    return s_instance ? s_instance->value(key).toString() : kKeys[key].defaultValue.toString();
}

void ZQConfig::loadKey(Key key)
{
    const KeyInfo &k = kKeys[key];
    const QString group = str(k.group);
    const QString name = str(k.key);
    switch (k.load) {
    case Load::OnDemand:
        return;
    case Load::Cached:
        m_cache[key] = convert(key, value(group, name, k.defaultValue));
        break;
    case Load::MinusOneToFalse:
        if (value(group, name, -1).toString().trimmed().toInt() == -1)
            write(group, name, false);
        m_cache[key] = toBool(value(group, name, false));
        break;
    case Load::EmptyToFalse:
        if (value(group, name, QString()).toString().isEmpty())
            write(group, name, false);
        m_cache[key] = toBool(value(group, name, false));
        break;
    }
    m_cached[key] = true;
}

void ZQConfig::load()
{
    qCDebug(lcConfig) << "LoadSettings Start" << fileName();
    for (int i = 0; i < KeyCount; ++i) {
        const Key key = static_cast<Key>(i);
        loadKey(key);
        if (key == CodePage)
            applyCodePage();
        // A Greek installation always carries the recommended days; the marker is used once.
        if (key == IsShowGST &&
            m_cache[CompanyID].toString().compare(QLatin1String("GREECE"), Qt::CaseInsensitive) == 0) {
            setValue(IsShowRecomdays, true);
            setValue(CompanyID, QString());
        }
    }
    qCDebug(lcConfig) << "LoadSettings WEIGHTUNITCOUNT";
    WeightUnits::resetNames();
    if (number(CertiStatus) == 1)
        WeightUnits::setPcsKgName(QStringLiteral("PCS"));
    qCDebug(lcConfig) << "LoadSettings Decimal";
    PriceFormat::setDecimals(m_cache[Position].toInt());
    qCDebug(lcConfig) << "LoadSettings end";
}

QString ZQConfig::language()
{
    QString language = value(Language).toString();
    if (language.isEmpty()) {
        language = QStringLiteral("en_US");
        setValue(Language, language);
    }
    return language;
}

QStringList ZQConfig::weightIds()
{
    QStringList ids;
    for (int i = WeightId0; i <= WeightId12; ++i)
        ids << text(static_cast<Key>(i));
    return ids;
}

void ZQConfig::setWeightIds(const QStringList &ids)
{
    for (int i = 0; i < WeightUnits::Count && i < ids.size(); ++i) {
        m_cache[WeightId0 + i] = ids.at(i);
        m_cached[WeightId0 + i] = true;
    }
}

void ZQConfig::saveWeightIDSet()
{
    for (int i = WeightId0; i <= WeightId12; ++i)
        setValue(static_cast<Key>(i), m_cache[i]);
}
