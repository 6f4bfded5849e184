#pragma once

#include <QDateTime>
#include <QSqlRecord>
#include <QString>

// A manual stock entry ("Stok Giriş") or exit (any other caption, in practice "Stok Çıkış") of
// one product: one payment, one document and one movement line, written together.
class StokIslem
{
public:
    static const QString girisBasligi;

    // The product (SELECT * FROM STOK where id= :id); false when there is none.
    bool urunAc(qint64 id);
    const QSqlRecord& urun() const { return urun_; }
    bool urunVar() const { return !urun_.isEmpty(); }

    // "Miktar" as a number: digits and the decimal comma only; 0 when it is not a number.
    static double miktarOku(const QString& metin);

    // "Kaydet". Without a date or with a quantity of 0 nothing happens and nothing is said.
    // An empty purchase price box becomes "0". True when the movement was written ("Kayıt
    // Başarılı"); on a failure nothing is left behind and the user is told why.
    bool kaydet(const QString& baslik, const QDateTime& tarih, const QString& miktar,
                QString& alisFiyati, const QString& aciklama);

private:
    QSqlRecord urun_;
};
