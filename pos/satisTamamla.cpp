#include "pos/satisTamamla.h"

#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/platform.h"
#include "core/veritabani.h"
#include "pos/hizliSatis.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <cmath>

namespace
{
const QString perakende = QStringLiteral("PERAKENDE");
const QString perakendeId = QStringLiteral("-99");
const QString veresiye = QStringLiteral("CARİ");
const QString veresiyeUyarisi = QStringLiteral("Veresiye satış için önce CARİ seçilmelidir..");

// Receipt lines with the shop's heading and the basket's totals on every row. The settings row
// is joined once; grouping by the line keeps one row per line whatever ayarlar holds.
const QString qHsFis = QStringLiteral(
    "select t.id, a.sirketAdi, a.telno as telNo, a.adres, s.stokadi, t.Fiyat, t.adet, t.Toplam, "
    "t.KDV, "
    "(select sum(ifnull(Toplam,0)*ifnull(KDV,0)/100.0) from tmpsatis where beklemede=0) "
    "as toplamKdv, "
    "(select sum(ifnull(Toplam,0)) - sum(ifnull(Toplam,0)*ifnull(KDV,0)/100.0) from tmpsatis "
    "where beklemede=0) as kdvHaricToplam, "
    "(select sum(ifnull(Toplam,0)) + sum(ifnull(iskonto,0)) from tmpsatis where beklemede=0) "
    "as araToplam, "
    "(select sum(ifnull(iskonto,0)) from tmpsatis where beklemede=0) as toplamIskonto, "
    "(select sum(ifnull(Toplam,0)) from tmpsatis where beklemede=0) as genelToplam "
    "from tmpsatis t inner join stok s on s.id = t.stokID "
    "left join ayarlar a on a.id = (select min(id) from ayarlar) "
    "where t.beklemede=0 group by t.id order by t.id");

// The account's balances by movement code; an empty sum counts as 0.
const QString qCariBakiye = QStringLiteral(
    "select (select cariadi from cari where id= :cariid) as cari_adi, "
    "ifnull((select sum(tutar) from carihar where cariid= :cariid and tipi in "
    "('HS','HSV','SF','SFV')),0) as toplam_satis, "
    "ifnull((select sum(tutar) from carihar where cariid= :cariid and tipi in ('AF','AFV')),0) "
    "as toplam_alis, "
    "ifnull((select sum(tutar) from carihar where cariid= :cariid and tipi in "
    "('KO','CB','HSV','SFV')),0) as xMusteriBorclandi, "
    "ifnull((select sum(tutar) from carihar where cariid= :cariid and tipi in "
    "('CA','KT','AFV')),0) as xMusteriOdemeYapti, "
    "ifnull((select sum(tutar) from carihar where cariid= :cariid and tipi in "
    "('CA','KT','AFV')),0) - ifnull((select sum(tutar) from carihar where cariid= :cariid and "
    "tipi in ('KO','CB','HSV','SFV')),0) as xBakiye");

const QString qPerakendeBakiye = QStringLiteral(
    "select (select cariadi from cari where id= :cariid) as cari_adi, null as toplam_satis, "
    "null as toplam_alis, null as xMusteriBorclandi, null as xMusteriOdemeYapti, null as xBakiye");

const QString qSepetToplami =
    QStringLiteral("select sum(toplam) as xToplam from tmpSatis where beklemede=0");

QString odemeEtiketi(const QString& islem)
{
    if (islem == QStringLiteral("NAKİT"))
        return QStringLiteral("Nakit");
    if (islem == QStringLiteral("KREDİ KARTI"))
        return QStringLiteral("Kredi Kartı");
    if (islem == veresiye)
        return QStringLiteral("Veresiye");
    return islem;
}

double sayi(const QSqlQuery& q, int i)
{
    return q.value(i).toDouble();
}

// The rows of a query as an in-memory table, so the receipt no longer depends on the basket.
void tabloyaAl(QSqlQuery& q, RaporVeriSeti& hedef)
{
    QStringList alanlar;
    const QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i)
        alanlar << r.fieldName(i);
    QList<QVariantList> satirlar;
    while (q.next()) {
        QVariantList satir;
        satir.reserve(alanlar.size());
        for (int i = 0; i < alanlar.size(); ++i)
            satir << q.value(i);
        satirlar << satir;
    }
    hedef.setSatirlar(alanlar, satirlar);
}
} // namespace

SatisTamamlama::SatisTamamlama(HizliSatis& sepet, QObject* parent)
    : QObject(parent), sepet(sepet), dsHsFis(QStringList{}), dsCariBakiye(QStringList{})
{
    cekmeceAc = [] { programBaslat(QStringLiteral("cekmece")); };
    frxHsFis.setVarsayilanSablon(TRapor::perakendeFisSablonu());
    frxHsFis.veriSetiEkle(QStringLiteral("frxDsHsFis"), &dsHsFis);
    frxHsFis.veriSetiEkle(QStringLiteral("frxDsHsFisTitle"), &dsHsFis);
    frxHsFis.veriSetiEkle(QStringLiteral("frxDsHsCari"), &dsCariBakiye);
    frxHsFis.veriSetiEkle(QStringLiteral("frxDsCariBakiye"), &dsCariBakiye);
    frxHsFis.setDegisken(QStringLiteral("fisNo"), QString());
    frxHsFis.setDegisken(QStringLiteral("odemeSekli"), QString());
}

void SatisTamamlama::fisSablonunuYukle()
{
    frxHsFis.korumaliYukle(QStringLiteral("Raporlar\\perakende_fis.fr3"));
}

void SatisTamamlama::fisVerisiniOku()
{
    QSqlQuery q = calistir(qHsFis);
    tabloyaAl(q, dsHsFis);
}

void SatisTamamlama::cariBakiyesiniOku(const QString& cariID)
{
    QSqlQuery q(myConn());
    // The walk-in account carries nearly every sale of the shop: summing its history would hold
    // up each receipt more as the years go by, and its balance means nothing (cash sales never
    // count in a balance). Its receipt gets the name only.
    q.prepare(cariID == perakendeId ? qPerakendeBakiye : qCariBakiye);
    q.bindValue(QStringLiteral(":cariid"), cariID.toLongLong());
    calistir(q);
    tabloyaAl(q, dsCariBakiye);
}

std::optional<SatisSonucu> SatisTamamlama::satisTamamla(const QString& islem, const QString& cariID)
{
    return tamamla(islem, cariID, false, 0);
}

std::optional<SatisSonucu> SatisTamamlama::nakitSatis(const QString& barkodKutusu,
                                                      const QString& cariAdi)
{
    const QString alinan = barkodKutusu.trimmed();
    if (!alinan.isEmpty()) {
        bool tamam = false;
        const double para = sayiOku(alinan, &tamam);
        if (!tamam) {
            duzMesaj(QLatin1Char('\'') + alinan + QStringLiteral("' geçerli bir sayı değil."));
            return std::nullopt;
        }
        QSqlQuery q = calistir(qSepetToplami);
        const double toplam = q.next() ? q.value(0).toDouble() : 0.0;
        emit paraUstuHesaplandi(sayiBicim(std::round((para - toplam) * 100.0) / 100.0));
    }
    // With an empty basket the key only opens the drawer.
    if (sepet.sepetBos()) {
        if (cekmeceAc)
            cekmeceAc();
        return std::nullopt;
    }
    return tamamla(QStringLiteral("NAKİT"), cariIdBul(cariAdi), true, 0);
}

std::optional<SatisSonucu> SatisTamamlama::kartSatis(const QString& cariAdi, int odakSatirId)
{
    if (sepet.sepetBos()) {
        if (cekmeceAc)
            cekmeceAc();
        return std::nullopt;
    }
    if (cariAdi.isEmpty())
        return std::nullopt;
    return tamamla(QStringLiteral("KREDİ KARTI"), cariIdBul(cariAdi), true, odakSatirId);
}

std::optional<SatisSonucu> SatisTamamlama::veresiyeSatis(const QString& cariAdi)
{
    if (sepet.sepetBos())
        return std::nullopt;
    if (cariAdi == perakende) {
        bilgiMesaji(veresiyeUyarisi);
        return std::nullopt;
    }
    return tamamla(veresiye, cariIdBul(cariAdi), false, 0);
}

std::optional<SatisSonucu> SatisTamamlama::tamamla(const QString& islem, QString cariID,
                                                   bool cekmeceyle, int sifirIskontoSatiri)
{
    if (islem.isEmpty() || sepet.sepetBos())
        return std::nullopt;
    const QString etiket = odemeEtiketi(islem);
    if (islem == veresiye) {
        // An account sale needs a real customer: not the walk-in one, not a search that found
        // nobody.
        if (cariID.isEmpty() || cariID.toLongLong() <= 0) {
            bilgiMesaji(veresiyeUyarisi);
            return std::nullopt;
        }
        if (!onayAl(QStringLiteral("Ekrandaki İşlem ") + etiket +
                    QStringLiteral(" Olarak Tamamlanıp Yeniden Başlatılacak. Emin misiniz?")))
            return std::nullopt;
    } else if (cariID.isEmpty()) {
        // The customer search matched nobody: money paid now belongs to the walk-in account.
        cariID = perakendeId;
    }

    const QDateTime simdi = QDateTime::currentDateTime();
    SatisSonucu sonuc;
    try {
        sonuc = yaz(islem, cariID, sifirIskontoSatiri, simdi);
    } catch (const std::exception& h) {
        // The guard has rolled everything back by now: the basket is as it was.
        Etkilesim::aktif()->mesaj(QStringLiteral("Hata: ") + QString::fromUtf8(h.what()) +
                                      QStringLiteral("\r\nSatış kaydedilmedi."),
                                  mtHata);
        return std::nullopt;
    }
    if (sonuc.faturaId == 0)
        return std::nullopt; // the basket had no lines after all

    frxHsFis.setDegisken(QStringLiteral("fisNo"), sonuc.faturaNo);
    frxHsFis.setDegisken(QStringLiteral("odemeSekli"), etiket);
    frxHsFis.setZaman(simdi);
    bakiyesiOkunacak = cariID;

    sepet.iade = false;
    try {
        sepet.satisIptal(); // the basket is empty already: resets the totals
    } catch (const std::exception&) {
        // The sale is committed; a failing refresh must not make it look failed.
    }
    emit satisKaydedildi(sonuc);
    if (cekmeceyle && cekmeceAc)
        cekmeceAc();
    if (fisModu != fmKapali)
        sonuc.fisCikti = fisiCikar(fisModu);
    return sonuc;
}

SatisSonucu SatisTamamlama::yaz(const QString& islem, const QString& cariID, int sifirIskontoSatiri,
                                const QDateTime& simdi)
{
    const bool iade = sepet.iade;
    const QString kod = islem == veresiye ? QStringLiteral("HSV") : QStringLiteral("HS");
    const QString stokGc = iade ? QStringLiteral("G") : QStringLiteral("C");
    const QString cariGc = iade ? QStringLiteral("C") : QStringLiteral("G");
    const QString aciklama =
        (iade ? QStringLiteral("PERAKENDE İADE - ") : QStringLiteral("PERAKENDE SATIŞ - ")) + islem;

    SatisSonucu s;
    IslemKoruyucu islemKoruyucu;

    if (sifirIskontoSatiri > 0) {
        // Card payments carry no discount on the line under the cursor.
        QSqlQuery u(myConn());
        u.prepare(QStringLiteral("update tmpsatis set iskonto=0, Toplam=ifnull(adet,0)*"
                                 "ifnull(Fiyat,0) where id=:id and beklemede=0"));
        u.bindValue(QStringLiteral(":id"), sifirIskontoSatiri);
        calistir(u);
    }

    struct Satir {
        QVariant stokId;
        double adet, kdv, fiyat, iskonto;
    };
    QList<Satir> satirlar;
    {
        QSqlQuery q = calistir(QStringLiteral("select * from tmpSatis where beklemede=0"));
        const QSqlRecord r = q.record();
        const int iStok = r.indexOf(QStringLiteral("stokID"));
        const int iAdet = r.indexOf(QStringLiteral("adet"));
        const int iKdv = r.indexOf(QStringLiteral("KDV"));
        const int iFiyat = r.indexOf(QStringLiteral("Fiyat"));
        const int iIskonto = r.indexOf(QStringLiteral("iskonto"));
        while (q.next())
            satirlar << Satir{q.value(iStok), sayi(q, iAdet), sayi(q, iKdv), sayi(q, iFiyat),
                              sayi(q, iIskonto)};
    }
    if (satirlar.isEmpty()) {
        duzMesaj(QStringLiteral("İşlem Yok. Lütfen Önce İşlem Ekleyin."));
        return s;
    }
    {
        QSqlQuery q = calistir(qSepetToplami);
        s.toplam = q.next() ? q.value(0).toDouble() : 0.0;
    }

    // A payment kind the shop has no payment type for is booked without a payment row; any
    // other empty answer is a failed insert that odemeEkle has already shown.
    bool odemeTipiVar = false;
    {
        QSqlQuery q(myConn());
        q.prepare(QStringLiteral("select 1 from odemetipi where adi=:ad"));
        q.bindValue(QStringLiteral(":ad"), islem);
        calistir(q);
        odemeTipiVar = q.next();
    }
    s.odemeId = odemeEkle(islem, iade ? -s.toplam : s.toplam);
    if (s.odemeId.isEmpty()) {
        if (odemeTipiVar)
            throw VeritabaniHatasi(QStringLiteral("Ödeme kaydı yazılamadı."));
        s.odemeId = QStringLiteral("0");
    }

    s.faturaNo = kod + yeniNoAl(QStringLiteral("fatura"));
    {
        QSqlQuery f(myConn());
        f.prepare(QStringLiteral(
            "insert into fatura (faturano, cariid, tarih, vadetarihi, tipi, odemeid, personelid, "
            "aciklama) values (:faturano, :cariid, :tarih, :vadetarihi, :tipi, :odemeid, "
            ":personelid, :aciklama)"));
        f.bindValue(QStringLiteral(":faturano"), s.faturaNo);
        f.bindValue(QStringLiteral(":cariid"), cariID.toLongLong());
        tarihBagla(f, QStringLiteral(":tarih"), simdi);
        tarihBagla(f, QStringLiteral(":vadetarihi"), simdi);
        f.bindValue(QStringLiteral(":tipi"), kod);
        f.bindValue(QStringLiteral(":odemeid"), s.odemeId.toLongLong());
        f.bindValue(QStringLiteral(":personelid"), aktifKullaniciId);
        f.bindValue(QStringLiteral(":aciklama"), aciklama);
        calistir(f);
        s.faturaId = f.lastInsertId().toLongLong();
    }

    {
        QSqlQuery h(myConn());
        h.prepare(QStringLiteral(
            "insert into stokhar (stokid, faturaid, tipi, gckodu, miktar, kdv, fiyat, alisFiyat, "
            "iskonto, tarih, aciklama, tutar) values (:stokid, :faturaid, :tipi, :gckodu, "
            ":miktar, :kdv, :fiyat, :alisFiyat, :iskonto, :tarih, :aciklama, :tutar)"));
        // One statement for all lines: a lookup prepared afresh per line would cost a sale of
        // 50 lines several milliseconds.
        QSqlQuery alisFiyati(myConn());
        alisFiyati.prepare(QStringLiteral("select alisFiyat from stok where id=:id"));
        for (const Satir& l : std::as_const(satirlar)) {
            // The purchase price as the product card has it now; a product deleted since it was
            // scanned has none: 0.
            alisFiyati.bindValue(QStringLiteral(":id"), l.stokId);
            calistir(alisFiyati);
            const double alis = alisFiyati.next() ? alisFiyati.value(0).toDouble() : 0.0;
            alisFiyati.finish();
            h.bindValue(QStringLiteral(":stokid"), l.stokId);
            h.bindValue(QStringLiteral(":faturaid"), s.faturaId);
            h.bindValue(QStringLiteral(":tipi"), kod);
            h.bindValue(QStringLiteral(":gckodu"), stokGc);
            h.bindValue(QStringLiteral(":miktar"), l.adet);
            h.bindValue(QStringLiteral(":kdv"), l.kdv);
            h.bindValue(QStringLiteral(":fiyat"), l.fiyat);
            h.bindValue(QStringLiteral(":alisFiyat"), alis);
            h.bindValue(QStringLiteral(":iskonto"), l.iskonto);
            tarihBagla(h, QStringLiteral(":tarih"), simdi);
            h.bindValue(QStringLiteral(":aciklama"), aciklama);
            h.bindValue(QStringLiteral(":tutar"), l.fiyat * l.adet - l.iskonto);
            calistir(h);
        }
    }

    {
        QSqlQuery c(myConn());
        c.prepare(QStringLiteral("insert into carihar (cariid, faturaid, gckodu, tipi, tutar, "
                                 "kasaid) values (:cariid, :faturaid, :gckodu, :tipi, :tutar, "
                                 "999)"));
        c.bindValue(QStringLiteral(":cariid"), cariID.toLongLong());
        c.bindValue(QStringLiteral(":faturaid"), s.faturaId);
        c.bindValue(QStringLiteral(":gckodu"), cariGc);
        c.bindValue(QStringLiteral(":tipi"), kod);
        c.bindValue(QStringLiteral(":tutar"), s.toplam);
        calistir(c);
    }

    // The receipt is read from the basket before the basket goes with the sale; it replaces the
    // last receipt only once the sale is committed.
    RaporVeriSeti fis(QStringList{});
    {
        QSqlQuery q = calistir(qHsFis);
        tabloyaAl(q, fis);
    }
    calistir(QStringLiteral("delete from tmpSatis where beklemede=0"));
    islemKoruyucu.onayla();
    dsHsFis = fis;
    return s;
}

bool SatisTamamlama::fisiCikar(FisModu mod)
{
    if (!fisCikisi)
        return false;
    try {
        if (bakiyesiOkunacak) {
            cariBakiyesiniOku(*bakiyesiOkunacak);
            bakiyesiOkunacak.reset();
        }
        return fisCikisi(frxHsFis, mod);
    } catch (const std::exception& h) {
        // The sale is committed whatever happens to its receipt.
        duzMesaj(QStringLiteral("Hata: ") + QString::fromUtf8(h.what()));
        return false;
    }
}

bool SatisTamamlama::fisYazdir()
{
    return fisiCikar(fmYazdir);
}
