#include "pos/hizliSatis.h"

#include "core/ayarDosyasi.h"
#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/veritabani.h"
#include "pos/terazi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QVariant>
#include <cmath>

QString& satisFiyatiAlani()
{
    static QString alan = QStringLiteral("satisfiyat1");
    return alan;
}

namespace
{
const QString sekizBarkod = QStringLiteral(
    "SELECT * FROM stok WHERE barkod = :pBarkod OR barkod2 = :pBarkod OR barkod3 = :pBarkod OR "
    "barkod4 = :pBarkod OR barkod5 = :pBarkod OR barkod6 = :pBarkod OR barkod7 = :pBarkod OR "
    "barkod8 = :pBarkod");

// Other ways the same code may be stored when it is not found as scanned: without its leading
// zeros (the scanner adds them, or the card was typed without), and a 12-digit UPC-A as the
// EAN-13 it is (one leading zero). The exact form is always tried first, by the caller.
QStringList barkodBicimleri(const QString& t)
{
    QStringList l;
    for (qsizetype i = 0; i + 1 < t.size() && t.at(i) == QLatin1Char('0'); ++i)
        l << t.mid(i + 1);
    if (t.size() == 12)
        l << QLatin1Char('0') + t;
    return l;
}

std::optional<QSqlRecord> ilkSatir(QSqlQuery& q)
{
    calistir(q);
    if (!q.next())
        return std::nullopt;
    return q.record();
}

double sayi(const QSqlRecord& r, const char* alan)
{
    return r.value(QString::fromLatin1(alan)).toDouble();
}

// The price column the till sells from, checked: it is concatenated into no statement, only
// read from the product's row.
double satisFiyati(const QSqlRecord& urun)
{
    return urun.value(satisFiyatiAlani()).toDouble();
}
} // namespace

HizliSatis::HizliSatis(QObject* parent)
    : QObject(parent), duzenlemeYetkisi(satirDuzenlemeYetkisi()),
      barkodSorgusu(sekizBarkod.toUtf8().constData())
{
}

bool HizliSatis::satirDuzenlemeYetkisi()
{
    return yoneticiMi || kullaniciYetkileri.contains(QStringLiteral("HSSATIRDUZENLE"));
}

double HizliSatis::kartKomisyonu()
{
    const AyarDosyasi a = AyarDosyasi::oku();
    if (a.satirSayisi() < 2)
        return 0.0;
    bool tamam = false;
    const double r = sayiOku(a.satir(1), &tamam);
    return tamam ? r : 0.0;
}

std::optional<QString> HizliSatis::paraUstu(const QString& alinan, double toplam)
{
    const QString a = alinan.trimmed();
    if (a.isEmpty() || a == QLatin1String("0") || std::abs(toplam) < 0.005)
        return std::nullopt;
    bool tamam = false;
    const double para = sayiOku(a, &tamam);
    if (!tamam)
        return std::nullopt;
    return sayiBicim(std::round((para - toplam) * 100.0) / 100.0);
}

QStringList HizliSatis::cariListesi(const QString& arama)
{
    QString sql = QStringLiteral("select * from cari where id>0 and tip in (select id from caritip "
                                 "where adi ='ALICI') ");
    if (!arama.isEmpty())
        sql += QStringLiteral("and trkucuk(cariadi) like trkucuk(:aranan) order by cariadi asc");
    QSqlQuery q(myConn());
    q.prepare(sql);
    if (!arama.isEmpty())
        q.bindValue(QStringLiteral(":aranan"), QLatin1Char('%') + arama + QLatin1Char('%'));
    calistir(q);
    QStringList l;
    if (arama.isEmpty())
        l << QStringLiteral("PERAKENDE");
    while (q.next())
        l << q.value(QStringLiteral("cariadi")).toString();
    return l;
}

void HizliSatis::urunAra(QSqlQueryModel& model, const QString& metin, bool barkodIle)
{
    const QString t = metin.trimmed();
    QSqlQuery q(myConn());
    if (t.isEmpty()) {
        q.prepare(QStringLiteral("SELECT * FROM stok LIMIT 50"));
    } else if (barkodIle) {
        q.prepare(QStringLiteral("SELECT * FROM stok WHERE barkod LIKE :aranan LIMIT 100"));
        q.bindValue(QStringLiteral(":aranan"), QLatin1Char('%') + t + QLatin1Char('%'));
    } else {
        // Turkish letters fold as Turkish: "şeker" finds "ŞEKER", "ılık" finds "ILIK".
        q.prepare(
            QStringLiteral("SELECT * FROM stok WHERE trkucuk(stokadi) LIKE :aranan LIMIT 100"));
        q.bindValue(QStringLiteral(":aranan"),
                    QLatin1Char('%') + trKucukHarf(t) + QLatin1Char('%'));
    }
    calistir(q);
    model.setQuery(std::move(q));
}

void HizliSatis::urunSeciciAra(QSqlQueryModel& model, const QString& metin)
{
    static const QString sorgu = QStringLiteral(
        "select stok.*, (select adi from grup where grup.id = stok.grup) as grupadi, "
        "(select adi from marka where marka.id = stok.marka) as markaadi from stok");
    // Enough for a shop's whole list; larger catalogues are narrowed by the text.
    static const QString sinir = QStringLiteral(" limit 5000");
    const QString t = trKucukHarf(metin.trimmed());
    QSqlQuery q(myConn());
    if (t.isEmpty()) {
        q.prepare(sorgu + sinir);
    } else {
        q.prepare(sorgu +
                  QStringLiteral(" where trkucuk(stokadi) like :a or trkucuk(stokkodu) "
                                 "like :a or barkod like :a") +
                  sinir);
        q.bindValue(QStringLiteral(":a"), QLatin1Char('%') + t + QLatin1Char('%'));
    }
    calistir(q);
    model.setQuery(std::move(q));
    while (model.canFetchMore())
        model.fetchMore();
}

int HizliSatis::fisModuOku()
{
    auto q = sorguOlustur(QStringLiteral("select FisYazdirma from ayarlar"), true);
    return q && q->next() ? q->value(0).toInt() : 0;
}

void HizliSatis::fisModuKaydet(int mod)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("update ayarlar set FisYazdirma=:mod where id=(select id from "
                             "ayarlar limit 1)"));
    q.bindValue(QStringLiteral(":mod"), mod);
    calistir(q);
}

QString HizliSatis::durumMetni()
{
    auto q = sorguOlustur(QStringLiteral("select * from ayarlar where id=1"), true);
    const QString ad =
        q && q->next() ? q->value(QStringLiteral("sirketAdi")).toString().trimmed() : QString();
    return ad + QStringLiteral(" Ver: 1510.25");
}

QStringList HizliSatis::iadeGecmisFiyatlari(int stokId, const QString& stokAdi)
{
    QSqlQuery q(myConn());
    q.prepare(
        QStringLiteral("SELECT MAX(tarih) as son_tarih, fiyat FROM stokhar WHERE stokid = "
                       ":id AND gckodu = 'C' GROUP BY fiyat ORDER BY son_tarih DESC LIMIT 15"));
    q.bindValue(QStringLiteral(":id"), stokId);
    calistir(q);
    QStringList l;
    QLocale yerel = trLocale();
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    while (q.next()) {
        const QString ham = q.value(0).toString();
        const QString tarih = ham.size() < 10 ? QString()
                                              : ham.mid(8, 2) + QLatin1Char('.') + ham.mid(5, 2) +
                                                    QLatin1Char('.') + ham.left(4);
        l << tarih + QStringLiteral("   |   ") + stokAdi + QStringLiteral("   |   ") +
                 yerel.toString(q.value(1).toDouble(), 'f', 2) + QStringLiteral(" ₺");
    }
    if (l.isEmpty())
        return {QStringLiteral("Bu ürüne ait geçmiş satış fiyatı bulunamadı.")};
    l.prepend(QStringLiteral("--- SEÇMEK İÇİN İLGİLİ SATIRA ÇİFT TIKLAYIN ---"));
    return l;
}

std::optional<double> HizliSatis::iadeFiyatiSatirdan(const QString& satir)
{
    if (satir.startsWith(QStringLiteral("---")) || satir.contains(QStringLiteral("bulunamadı")))
        return std::nullopt;
    QString s = satir.mid(satir.lastIndexOf(QLatin1Char('|')) + 1).trimmed();
    s.remove(QStringLiteral("₺"));
    s = s.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    bool tamam = false;
    const double v = s.toDouble(&tamam);
    return tamam ? v : 0.0;
}

void HizliSatis::hata(const QString& metin)
{
    emit hataRenkleri(true);
    bilgiMesaji(metin);
    emit hataRenkleri(false);
}

QString HizliSatis::barkodKutusuEnter(const QString& metin)
{
    kutu = metin.trimmed();
    if (kutu.isEmpty())
        return kutu;
    const qsizetype yildiz = kutu.indexOf(QLatin1Char('*'));
    if (yildiz >= 0) {
        bool tamam = false;
        const int adet = kutu.left(yildiz).trimmed().toInt(&tamam);
        FAdetCarpan = tamam && adet > 0 ? adet : 1;
        kutu = kutu.mid(yildiz + 1).trimmed();
    } else {
        FAdetCarpan = 1;
    }
    if (!kutu.isEmpty())
        barkodOku(QString(), kutu);
    FAdetCarpan = 1;
    return kutu;
}

std::optional<QSqlRecord> HizliSatis::barkodlaBul(const QString& barkod)
{
    return barkodSorgusu.ilkSatir(barkod);
}

void HizliSatis::barkodOku(const QString& stokID, const QString& barkod)
{
    Okuma o;
    std::optional<QSqlRecord> urun;
    const QString t = barkod.trimmed();
    if (!stokID.isEmpty()) {
        QSqlQuery q(myConn());
        q.prepare(QStringLiteral("SELECT * FROM stok WHERE id = :pID"));
        q.bindValue(QStringLiteral(":pID"), stokID);
        urun = ilkSatir(q);
        if (!urun) {
            ton(2500, 2000);
            hata(QStringLiteral("HATA: Stok ID (") + stokID + QStringLiteral(") bulunamadı."));
            return;
        }
    } else {
        if (t.isEmpty())
            return;
        kutu = t;
        urun = barkodlaBul(t);
        for (const QString& aday : barkodBicimleri(t)) {
            if (urun)
                break;
            urun = barkodlaBul(aday);
        }
        if (!urun) {
            // A label-scale barcode: the product's main barcode, then a non-zero number.
            QSqlQuery q(myConn());
            q.prepare(QStringLiteral("select * from stok where barkod = :pBarkod"));
            q.bindValue(QStringLiteral(":pBarkod"), t.left(7));
            const std::optional<QSqlRecord> terazi = ilkSatir(q);
            bool sayiMi = false;
            const int numara = t.mid(7, 5).toInt(&sayiMi);
            if (!terazi || !sayiMi || numara == 0 ||
                terazi->value(QStringLiteral("teraziBarkodu")).toString() != QLatin1String("1")) {
                barkodYok(t);
                return;
            }
            o.urun = *terazi;
            if (!gramajAl(o, true))
                return;
            satiraEkle(o);
            return;
        }
    }
    o.urun = *urun;
    ton(1200, 100);

    if (iade) {
        o.p = iadeFiyatiSec(o.urun.value(QStringLiteral("id")).toInt(),
                            o.urun.value(QStringLiteral("stokadi")).toString());
        if (o.p <= 0) {
            kutu.clear();
            return;
        }
        o.ozelFiyat = true;
    }

    stokUyarisi(o.urun);

    if (o.urun.value(QStringLiteral("tartiliUrun")).toInt() == 1) {
        if (!gramajAl(o, false))
            return;
        if (iade)
            o.tartiToplami = o.w * o.p;
    } else if (o.urun.value(QStringLiteral("serbestsatis")).toInt() == 1 && !iade) {
        const double fiyat = sayiGir(QStringLiteral("Satış Fiyatını Giriniz"));
        if (fiyat <= 0)
            return;
        o.p = fiyat;
        o.ozelFiyat = true;
    }
    satiraEkle(o);
}

bool HizliSatis::gramajAl(Okuma& o, bool barkodYolu)
{
    double w = TerazidenAgirlikAl();
    if (w <= 0) {
        w = sayiGir(QStringLiteral("Gramaj Giriniz (Terazi Okumadı)"));
        if (w <= 0)
            return false;
    }
    if (barkodYolu) {
        o.w = w / 1000.0;
        return true;
    }
    const double carpan = sayi(o.urun, "tartiCarpan");
    if (carpan == 0.0) {
        hata(QStringLiteral("Hata: ") + o.urun.value(QStringLiteral("stokadi")).toString() +
             QStringLiteral(" için tartı çarpanı 0 olamaz. Stok kartını düzeltiniz."));
        return false;
    }
    o.tartiToplami = w / carpan * satisFiyati(o.urun);
    o.w = w / carpan;
    return true;
}

void HizliSatis::stokUyarisi(const QSqlRecord& urun)
{
    const double sinir = sayi(urun, "sinirsayi");
    if (sinir <= 0)
        return;
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral(
        "select (select ifnull(sum(miktar),0) from stokhar where stokid=:id and gckodu='G') - "
        "(select ifnull(sum(miktar),0) from stokhar where stokid=:id and gckodu='C')"));
    q.bindValue(QStringLiteral(":id"), urun.value(QStringLiteral("id")));
    calistir(q);
    const double kalan = q.next() ? q.value(0).toDouble() : 0.0;
    if (kalan - FAdetCarpan < sinir) {
        ton(800, 300);
        bilgiMesaji(QStringLiteral("KRİTİK STOK: ") +
                    urun.value(QStringLiteral("stokadi")).toString() +
                    QStringLiteral("\r\nKalan: ") + sayiBicim(kalan) +
                    QStringLiteral(" Adet   (Sınır: ") + sayiBicim(sinir) + QLatin1Char(')'));
    }
}

void HizliSatis::satiraEkle(const Okuma& o)
{
    const QString stokKodu = o.urun.value(QStringLiteral("stokkodu")).toString();
    std::optional<QSqlRecord> satir;
    if (!o.ozelFiyat) {
        QSqlQuery q(myConn());
        q.prepare(
            QStringLiteral("select * from tmpSatis where stokKodu= :stokKodu and beklemede=0"));
        q.bindValue(QStringLiteral(":stokKodu"), stokKodu);
        satir = ilkSatir(q);
    }
    if (satir) {
        const double adet = sayi(*satir, "adet") + (o.w != 0.0 ? o.w : FAdetCarpan);
        QSqlQuery u(myConn());
        u.prepare(QStringLiteral("update tmpsatis set adet=:adet, Toplam=:adet*ifnull(Fiyat,0)-"
                                 "ifnull(iskonto,0) where id=:id"));
        u.bindValue(QStringLiteral(":adet"), adet);
        u.bindValue(QStringLiteral(":id"), satir->value(QStringLiteral("id")));
        calistir(u);
    } else {
        const double fiyat = o.ozelFiyat ? o.p : satisFiyati(o.urun);
        const double adet = o.w != 0.0 ? o.w : (FAdetCarpan > 1 ? FAdetCarpan : 1);
        QSqlQuery e(myConn());
        e.prepare(QStringLiteral(
            "insert into tmpsatis (stokID, stokKodu, adi, adet, KDV, Fiyat, iskonto, komisyon, "
            "Toplam, beklemede, Firma) values (:stokID, :stokKodu, :adi, :adet, :kdv, :fiyat, 0, "
            "null, :toplam, 0, null)"));
        e.bindValue(QStringLiteral(":stokID"), o.urun.value(QStringLiteral("id")));
        e.bindValue(QStringLiteral(":stokKodu"), stokKodu);
        e.bindValue(QStringLiteral(":adi"), o.urun.value(QStringLiteral("stokadi")));
        e.bindValue(QStringLiteral(":adet"), adet);
        e.bindValue(QStringLiteral(":kdv"), o.urun.value(QStringLiteral("kdv")).toInt());
        e.bindValue(QStringLiteral(":fiyat"), fiyat);
        // The line total is always quantity × price − discount.
        e.bindValue(QStringLiteral(":toplam"), adet * fiyat);
        calistir(e);
    }
    tutarEditGuncelle();
    emit sepetDegisti();
    kutu.clear();
}

void HizliSatis::barkodYok(const QString& t)
{
    ton(2500, 2000);
    if (stokKartiAc) {
        QSqlQuery q(myConn());
        q.prepare(QStringLiteral("SELECT * FROM StokMaster WHERE barkod = :pBarkod"));
        q.bindValue(QStringLiteral(":pBarkod"), t);
        if (const auto master = ilkSatir(q)) {
            if (onayAl(
                    QStringLiteral("Bu barkod ana stok listenizde bulunamadı.\r\nÜrün: ") +
                    master->value(QStringLiteral("urunAdi")).toString() +
                    QStringLiteral("\r\nMaster listede bulundu. Şimdi kaydetmek ister misiniz?"))) {
                if (stokKartiAc(*master))
                    emit urunListesiDegisti();
                // The cashier sells it with one more Enter.
                kutu = t;
                return;
            }
        }
    }
    hata(QStringLiteral("Barkod Kayıtlı Değil"));
    kutu.clear();
}

SepetToplami HizliSatis::tutarEditGuncelle()
{
    SepetToplami s;
    QSqlQuery q =
        calistir(QStringLiteral("select sum(toplam) as xToplam from tmpSatis where beklemede=0"));
    s.toplam = q.next() ? q.value(0).toDouble() : 0.0;
    s.kartli = s.toplam + s.toplam * kartKomisyonu() / 100.0;
    emit toplamDegisti(s.toplam, s.kartli);
    return s;
}

bool HizliSatis::sepetBos() const
{
    QSqlQuery q = calistir(QStringLiteral("select 1 from tmpsatis where beklemede=0 limit 1"));
    return !q.next();
}

void HizliSatis::satisIptal()
{
    if (!sepetBos()) {
        calistir(QStringLiteral("delete from tmpSatis where beklemede=0"));
        emit sepetDegisti();
    }
    tutarEditGuncelle();
}

bool HizliSatis::satirAdetDegistir(int satirId, bool arttir)
{
    QSqlQuery q = calistir(QStringLiteral("select adet from tmpsatis where beklemede=0 and id=") +
                           QString::number(satirId));
    if (!q.next())
        return false;
    const double adet = q.value(0).toDouble();
    if (!arttir && adet <= 1.0)
        return false;
    q.finish();
    calistir(QStringLiteral("update tmpsatis set adet=adet") + (arttir ? "+1" : "-1") +
             QStringLiteral(", Toplam=(adet") + (arttir ? "+1" : "-1") +
             QStringLiteral(")*ifnull(Fiyat,0)-ifnull(iskonto,0) where id=") +
             QString::number(satirId));
    tutarEditGuncelle();
    emit sepetDegisti();
    return true;
}

bool HizliSatis::satirDuzenle(int satirId, const QString& sutun)
{
    if (!duzenlemeYetkisi)
        return false;
    const QString s = sutun.toLower();
    QString baslik;
    QString alan;
    if (s == QLatin1String("adet")) {
        baslik = QStringLiteral("Yeni MİKTAR Giriniz");
        alan = QStringLiteral("adet");
    } else if (s == QLatin1String("fiyat")) {
        baslik = QStringLiteral("Yeni FİYAT Giriniz");
        alan = QStringLiteral("Fiyat");
    } else if (s == QLatin1String("iskonto")) {
        baslik = QStringLiteral("Yeni İSKONTO Giriniz");
        alan = QStringLiteral("iskonto");
    } else {
        return false;
    }
    QSqlQuery q = calistir(QStringLiteral("select ") + alan +
                           QStringLiteral(" from tmpsatis where beklemede=0 and id=") +
                           QString::number(satirId));
    if (!q.next())
        return false;
    const double eski = q.value(0).toDouble();
    q.finish();
    const double v = sayiGir(baslik, sayiBicim(eski));
    // Cancelling the discount dialog removes the discount; the others keep the line as it is.
    if (v < 0 || (v == 0 && alan != QLatin1String("iskonto")))
        return false;
    QSqlQuery u(myConn());
    u.prepare(QStringLiteral("update tmpsatis set ") + alan + QStringLiteral("=:v where id=:id"));
    u.bindValue(QStringLiteral(":v"), v);
    u.bindValue(QStringLiteral(":id"), satirId);
    calistir(u);
    calistir(QStringLiteral("update tmpsatis set Toplam=ifnull(adet,0)*ifnull(Fiyat,0)-"
                            "ifnull(iskonto,0) where id=") +
             QString::number(satirId));
    tutarEditGuncelle();
    emit sepetDegisti();
    return true;
}

void HizliSatis::satirSil(int satirId)
{
    calistir(QStringLiteral("delete from tmpsatis where beklemede=0 and id=") +
             QString::number(satirId));
    emit sepetDegisti();
    tutarEditGuncelle();
}
