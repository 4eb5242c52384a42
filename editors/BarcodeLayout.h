#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class PluTableModel;

// What one PLU row puts into its barcode, with the sample weight of a preview.
struct BarcodeSample
{
    int department = 0;
    QString code; // decimal digits
    int lfCode = 0;
    qint64 unitPrice = 0; // scaled by 10^PriceFormat::decimals()
    int unitCode = 4;
    int rebate = 0;
    double weightKg = 1.0;

    // row: 0..19999.
    static BarcodeSample fromRow(const PluTableModel &model, int row, double weightKg);
};

// How the scale lays out the digits of one barcode type, read from the type's row of
// BarcodeTypeTable, and the digits it prints for a PLU. The fields follow the table's column
// order. A department column of one digit is the in-store flag "2"; of two digits, the flag and
// the department's last digit; a two-digit notation ("21", "20(2)", "(25)2") is a fixed prefix,
// "+2" after it two department digits. Weights are printed in the row's unit (grams for the gram
// units) with the pattern's decimals; prices with the price decimals. GS1-128 symbols carry the
// digits under application identifier 90.
class BarcodeLayout
{
    Q_DECLARE_TR_FUNCTIONS(BarcodeLayout)
public:
    enum class Symbol
    {
        None,
        Ean13,
        Ean8,
        Gs1_128
    };

    struct Field
    {
        enum Kind
        {
            Prefix,
            Department,
            Code,
            LFCode,
            Price,
            UnitPrice,
            Weight,
            Discount,
            Check
        };
        Kind kind;
        int digits;
        int decimals = 0; // price and weight fields
        QString fixed;    // the digits of a prefix
    };

    struct Part
    {
        Field field;
        QString digits;
        QString caption;
    };

    struct Composed
    {
        Symbol symbol = Symbol::None;
        QString digits; // what the scale prints
        QVector<Part> parts;
        // Values that did not fit their field, a last digit that is no check digit.
        QStringList problems;
        // A valid symbol can be drawn from the digits: every value fits its field.
        bool drawable = false;
        // The digits the symbol holds: for GS1-128 with the application identifier first.
        QString heldDigits() const;
        // The text the barcode library encodes.
        QString symbolData() const;
    };

    static constexpr const char *Gs1Identifier = "90";

    explicit BarcodeLayout(int type);

    int type() const { return m_type; }
    Symbol symbol() const { return m_symbol; }
    // False for types without a row and rows that describe no field: the scale decides alone.
    bool isKnown() const { return m_symbol != Symbol::None && !m_fields.isEmpty(); }
    const QVector<Field> &fields() const { return m_fields; }
    int length() const;

    Composed compose(const BarcodeSample &sample) const;
    // One line a till can be set up from, e.g. "EAN-13: 2 + dept(1) + code(5) + price(5, 2
    // decimals) + check"; weights name the unit of the given weight unit code.
    QString tillRule(int unitCode) const;

    static QString symbolName(Symbol symbol);
    // The GS1 modulo-10 check digit of a digit string.
    static int checkDigit(const QString &digits);

private:
    int m_type;
    Symbol m_symbol = Symbol::None;
    QVector<Field> m_fields;
};
