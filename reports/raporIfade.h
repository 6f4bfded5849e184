#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// Expressions inside report texts: "[urun.adi]", "[FORMAT(SUM(fis.Toplam), "#,##0.00")]",
// "[fis.adet * fis.Fiyat - fis.Toplam]", "["Tel: " + firma.telNo]".
//
//   literals      12  0.5  "text"  'text'
//   fields        dataset.field   dataset."field with spaces"   (names ignore letter case)
//   names         DATE TIME NOW PAGE PAGES LINE, and the report's variables
//   operators     + - * /   = <> != < > <= >=   and or not   ( )
//                 "+" joins texts as soon as one side is text
//   functions     SUM AVG MIN MAX (expr [, condition])   COUNT(dataset [, condition])
//                 SUMIF(expr, condition)   FORMAT(value, "#,##0.00" | "dd.MM.yyyy")
//                 IIF(cond, a, b)   ROUND(x [, digits])   ABS   UPPER   LOWER   TRIM   LEN
//                 FILTER(dataset): the grid filter put on the dataset, as text

struct IfadeDugumu;
using Ifade = std::shared_ptr<const IfadeDugumu>;

struct IfadeDugumu {
    enum Tur { Sabit, Alan, Ad, Birli, Ikili, Islev };
    Tur tur = Sabit;
    QVariant deger;   // Sabit
    QString veriSeti; // Alan
    QString ad;       // Alan: field; Ad: name; Islev: upper-case name; Birli/Ikili: operator
    std::vector<Ifade> ogeler;
};

// Parses one expression; null with *hata set when it is not one.
Ifade ifadeCoz(const QString& metin, QString* hata);

// What an expression sees while it is computed: the report's data, names and page.
class IfadeOrtami
{
public:
    virtual ~IfadeOrtami() = default;
    virtual QVariant alan(const QString& veriSeti, const QString& ad) = 0;
    virtual QVariant ad(const QString& ad) = 0;
    // Functions over the data (SUM, COUNT ...); false when the name is not one of them.
    virtual bool veriIslevi(const IfadeDugumu& d, QVariant* sonuc) = 0;
    virtual void hata(const QString& metin) = 0;
};

QVariant ifadeHesapla(const IfadeDugumu& d, IfadeOrtami& ortam);

// A text with expressions in square brackets, cut into plain pieces and expressions.
// "[[" stands for a literal "[".
struct MetinParcasi {
    QString duz;    // plain text (when ifade is null)
    Ifade ifade;    // an expression
    QString kaynak; // the expression as written, for messages
};
QList<MetinParcasi> metinCoz(const QString& metin, QString* hata);

// A value as a report shows it: Turkish numbers and dates; bicim as in FORMAT when given.
QString degerMetni(const QVariant& deger, const QString& bicim = {});
// "#,##0.00" → 1.234,50; "0.0" → 1234,5; "#,##0 TL" → 1.235 TL; date patterns like "dd.MM.yyyy".
QString bicimle(const QVariant& deger, const QString& bicim);
bool dogruMu(const QVariant& deger);
// The number in a value (numbers, numeric texts); false in *tamam when there is none.
double sayiDegeri(const QVariant& deger, bool* tamam = nullptr);
// Whether two values are the same for "=" and grouping: numbers by value, else by text.
int degerKarsilastir(const QVariant& a, const QVariant& b);
