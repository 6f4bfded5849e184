#include "stock/stokIslem.h"

#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/sema.h"
#include "core/veritabani.h"
#include "stock/stokBicim.h"

#include <QSqlQuery>

const QString StokIslem::girisBasligi = QStringLiteral("Stok Giriş");

bool StokIslem::urunAc(qint64 id)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("SELECT * FROM STOK where id= :id"));
    q.bindValue(QStringLiteral(":id"), id);
    calistir(q);
    urun_ = q.next() ? q.record() : QSqlRecord();
    return !urun_.isEmpty();
}

double StokIslem::miktarOku(const QString& metin)
{
    for (const QChar c : metin)
        if (!c.isDigit() && c != QLatin1Char(','))
            return 0.0;
    return kutuSayisi(metin);
}

bool StokIslem::kaydet(const QString& baslik, const QDateTime& tarih, const QString& miktar,
                       QString& alisFiyati, const QString& aciklama)
{
    const double adet = miktarOku(miktar);
    if (!urunVar() || !tarih.isValid() || miktar.isEmpty() || adet == 0.0)
        return false;
    if (alisFiyati.isEmpty())
        alisFiyati = QStringLiteral("0");

    const bool giris = baslik == girisBasligi;
    const QString kod = giris ? QStringLiteral("SG") : QStringLiteral("SC");
    const double alis = sayiOku(alisFiyati);
    const double tutar = giris ? alis : urun_.value(QStringLiteral("satisfiyat1")).toDouble();

    try {
        // Payment, document and line stand or fall together.
        IslemKoruyucu islem;
        const QString odemeId = odemeEkle(QStringLiteral("CARİ"), tutar);
        if (odemeId.isEmpty()) {
            duzMesaj(QStringLiteral("odemeid boş"));
            return false;
        }
        sabitKayitlariOlustur();

        QSqlQuery f(myConn());
        f.prepare(QStringLiteral(
            "INSERT INTO fatura (faturano, cariid, tarih, vadetarihi, tipi, odemeid, personelid, "
            "aciklama) VALUES (:faturano, -98, :tarih, :vade, :tipi, :odemeid, :personelid, "
            ":aciklama)"));
        f.bindValue(QStringLiteral(":faturano"), kod + yeniNoAl(QStringLiteral("fatura")));
        tarihBagla(f, QStringLiteral(":tarih"), tarih);
        tarihBagla(f, QStringLiteral(":vade"), QDateTime::currentDateTime());
        f.bindValue(QStringLiteral(":tipi"), kod);
        f.bindValue(QStringLiteral(":odemeid"), odemeId.toLongLong());
        f.bindValue(QStringLiteral(":personelid"), aktifKullaniciId);
        f.bindValue(QStringLiteral(":aciklama"), aciklama);
        calistir(f);
        const qlonglong faturaId = f.lastInsertId().toLongLong();

        QSqlQuery h(myConn());
        h.prepare(QStringLiteral(
            "INSERT INTO stokhar (stokid, faturaid, tipi, gckodu, miktar, kdv, fiyat, alisfiyat, "
            "tarih, aciklama) VALUES (:stokid, :faturaid, :tipi, :gckodu, :miktar, :kdv, :fiyat, "
            ":alisfiyat, :tarih, :aciklama)"));
        h.bindValue(QStringLiteral(":stokid"), urun_.value(QStringLiteral("id")));
        h.bindValue(QStringLiteral(":faturaid"), faturaId);
        h.bindValue(QStringLiteral(":tipi"), kod);
        h.bindValue(QStringLiteral(":gckodu"), giris ? QStringLiteral("G") : QStringLiteral("C"));
        h.bindValue(QStringLiteral(":miktar"), adet);
        h.bindValue(QStringLiteral(":kdv"), urun_.value(QStringLiteral("kdv")));
        h.bindValue(QStringLiteral(":fiyat"), urun_.value(QStringLiteral("satisfiyat1")));
        h.bindValue(QStringLiteral(":alisfiyat"), alis);
        tarihBagla(h, QStringLiteral(":tarih"), tarih);
        h.bindValue(QStringLiteral(":aciklama"), aciklama);
        calistir(h);
        islem.onayla();
    } catch (const VeritabaniHatasi& e) {
        duzMesaj(QStringLiteral("Hata: ") + e.metin());
        return false;
    }
    bilgiMesaji(QStringLiteral("Kayıt Başarılı"));
    return true;
}
