#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>

class QSettings;

// The settings file "SYSTEM.CFG" (INI). One instance owns it for the whole run and publishes
// itself through instance(). Everything it knows is described by one key table (ZQConfig.cpp):
// group, key, type, default, and how the key is treated at start-up. Keys read at start-up are
// cached; their static getters answer from the cache (or the default when no instance exists).
class ZQConfig : public QObject
{
    Q_OBJECT
public:
    enum class Type
    {
        Bool,
        Int,
        Text
    };
    // How a key is treated when the file is loaded.
    enum class Load
    {
        Cached,          // read into the cache
        MinusOneToFalse, // read as an int with default -1; -1 is written as false; cached as bool
        EmptyToFalse,    // read as text; empty is written as false; cached as bool
        OnDemand,        // read and written by its owner when needed, not at start-up
    };

    enum Key
    {
        // group "ZQPLU_ImportPluSet", used by the custom text import
        ChkHotKey,
        CboxHotKey,
        ChkPluName,
        CboxPluName,
        ChkLfCode,
        CboxLfcode,
        ChkCode,
        CboxCode,
        ChkBarCode,
        CboxBarCode,
        ChkUnitPrice,
        CboxUnitPrice,
        ChkDiv100,
        ChkDiv1000,
        ChkWeightUnit,
        ChkDeptMent,
        CboxDeptMent,
        ChkTare,
        CboxTare,
        ChkShleftime,
        CboxShleftime,
        ChkTolerance,
        CboxTolerance,
        CboxWeightPos,
        ChkFixWeightUnit,
        CboxFixWeightUnit,
        CboxPluSep,
        EdtCustSep,
        CboxFirstLineIsTitle,
        CboxHotKeyLen,
        CboxPluNameLen,
        CboxLFCodeLen,
        CboxCodeLen,
        CboxBarCodeLen,
        CboxUnitPriceLen,
        CboxWeightUnitLen,
        CboxDeptMentLen,
        CboxTareLen,
        CboxShleftimeLen,
        CboxToleranceLen,
        // group "PLU"
        DefaultBarCode,
        DefaultWeightUnit,
        DefaultDepartMent,
        DefaultHotkeyFntName,
        PLUCaption,
        PluNameLen,
        // group "Setting"
        LfcodeLen,
        CodePage,
        // group "Version"
        CompanyID,
        // group "Function"
        IsShowIce,
        IsShowRecomdays,
        IsShowGST,
        IsShowTraceCode,
        IsShowCusHotKeyFun,
        IsShowPT,
        IsShowPackPrice,
        IsShowNutrition,
        IsShowPluTotal,
        IsShowNgTolerance,
        CertiStatus,
        IsClearMessage,
        // group "WeightIDSet", keys "0".."12"
        WeightId0,
        WeightId1,
        WeightId2,
        WeightId3,
        WeightId4,
        WeightId5,
        WeightId6,
        WeightId7,
        WeightId8,
        WeightId9,
        WeightId10,
        WeightId11,
        WeightId12,
        // group "KVB2600"
        Position,
        // read and written by their owners
        Language,
        PluFileName,
        HotkeySheetType,
        PLUAppName,
        VersionBuild,
        CompanyName,
        VersionText,
        Www,
        LogoName,
        CommType,
        CommPort,
        CommBaudRate,
        CommIP,
        LinkTcpPort,
        LinkTimeoutMs,
        ImportMap,
        ImportRangeStart,
        ImportRangeEnd,
        ImportTo,
        KeyCount
    };
    Q_ENUM(Key)

    struct KeyInfo
    {
        const char *group;
        const char *key;
        Type type;
        QVariant defaultValue;
        Load load;
    };
    static const KeyInfo &info(Key key);

    explicit ZQConfig(const QString &path, QObject *parent = nullptr);
    ~ZQConfig() override;

    static ZQConfig *instance();
    QString fileName() const;

    // What the settings file holds that the program cannot use, one sentence each, for the
    // operator to see at start (an unknown code page).
    QStringList problems() const { return m_problems; }

    // Generic access by group and key. Groups and keys are matched without regard to case; a key
    // of the table written this way updates its cached value too.
    QVariant value(const QString &group, const QString &key, const QVariant &defaultValue = QVariant()) const;
    void setValue(const QString &group, const QString &key, const QVariant &value);
    // Table keys: the cached value for cached keys, the file's value (or the default) otherwise.
    QVariant value(Key key) const;
    void setValue(Key key, const QVariant &value);
    // The file's own value of a table key, or fallback when the file has none: for dialogs whose
    // defaults are their current texts.
    QVariant stored(Key key, const QVariant &fallback) const;
    void sync();

    // Typed getters; without an instance they give the defaults.
    static bool flag(Key key);
    static int number(Key key);
    static QString text(Key key);

    static int pluNameLen() { return number(PluNameLen); }
    static int lfcodeLen() { return number(LfcodeLen); }
    static int certiStatus() { return number(CertiStatus); }
    static bool isShowIce() { return flag(IsShowIce); }
    static bool isShowRecomdays() { return flag(IsShowRecomdays); }
    static bool isShowGST() { return flag(IsShowGST); }
    static bool isShowCusHotKeyFun() { return flag(IsShowCusHotKeyFun); }
    static bool isShowPT() { return flag(IsShowPT); }
    static bool isClearMessage() { return flag(IsClearMessage); }
    static QString pluCaption() { return text(PLUCaption); }

    // The language of the translation; "en_US" is written on the first start.
    QString language();

    // The 13 texts by which imported files name the weight units.
    static QStringList weightIds();
    void setWeightIds(const QStringList &ids);
    void saveWeightIDSet();

    // The boolean reading of a settings text: "true" or a non-zero number; anything else false.
    static bool toBool(const QVariant &v);

private:
    void load();
    void loadKey(Key key);
    QVariant convert(Key key, const QVariant &raw) const;
    static QString matchName(const QString &name, const QStringList &names);
    QString matchGroup(const QString &group) const;
    QString matchKey(const QString &group, const QString &key) const;
    void write(const QString &group, const QString &key, const QVariant &value);
    void applyCodePage();

    std::unique_ptr<QSettings> m_settings;
    QVariant m_cache[KeyCount];
    bool m_cached[KeyCount] = {};
    QStringList m_problems;
    static ZQConfig *s_instance;
};
