#include "stock/stokKarti.h"

#include "core/ayarDosyasi.h"
#include "core/etkilesim.h"
#include "core/oturum.h"
#include "core/veritabani.h"
#include "stock/stokBicim.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <cmath>

const QString StokKarti::yeniBaslik = QStringLiteral("Yeni Stok Kaydı");
const QString StokKarti::duzenleBaslik = QStringLiteral("Stok Kartı Düzenle");
const QString StokKarti::masterBaslik = QStringLiteral("Yeni Stok Kaydı (Master Listeden)");

namespace
{
const QString alanlariDoldurun = QStringLiteral("Lütfen tüm gerekli alanları doldurunuz..");

bool ondalikAlan(const QString& alan)
{
    static const QStringList l = {"satisfiyat1", "satisfiyat2", "satisfiyat3", "alisfiyat",
                                  "sinirsayi"};
    return l.contains(alan, Qt::CaseInsensitive);
}

bool tamsayiAlan(const QString& alan)
{
    static const QStringList l = {"id",          "kdv",           "birim",        "grup",
                                  "marka",       "tipi",          "pasif",        "tartiliUrun",
                                  "tartiCarpan", "teraziBarkodu", "serbestsatis", "giyim"};
    return l.contains(alan, Qt::CaseInsensitive);
}

bool esit(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.toString() == b.toString();
}

QString barkodAlani(int n)
{
    return n == 1 ? QStringLiteral("barkod") : QStringLiteral("barkod") + QString::number(n);
}
} // namespace

// ---------------------------------------------------------------------------------------------

GiyimListesi::GiyimListesi(const QString& tablo, const QString& adAlani, QObject* parent)
    : QSqlTableModel(parent, myConn()), adAlani_(adAlani)
{
    setTable(tablo);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    kapat();
}

void GiyimListesi::ac(qint64 stokId)
{
    stokId_ = stokId;
    acik_ = true;
    setFilter(QStringLiteral("stokid = ") + QString::number(stokId));
    setSort(fieldIndex(QStringLiteral("sira")), Qt::AscendingOrder);
    select();
}

void GiyimListesi::kapat()
{
    revertAll();
    stokId_ = 0;
    acik_ = false;
    setFilter(QStringLiteral("1 = 0"));
    select();
}

int GiyimListesi::yeniSatir()
{
    if (!acik_ || (isDirty() && !kaydet()))
        return -1;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT IFNULL(MAX(sira),0)+1 AS yeni FROM ") + tableName() +
              QStringLiteral(" WHERE stokid = :sid"));
    q.bindValue(QStringLiteral(":sid"), stokId_);
    calistir(q);
    const int sira = q.next() ? q.value(0).toInt() : 1;
    const int satir = rowCount();
    if (!insertRow(satir))
        return -1;
    setData(index(satir, fieldIndex(QStringLiteral("stokid"))), stokId_);
    setData(index(satir, fieldIndex(QStringLiteral("sira"))), sira);
    return satir;
}

bool GiyimListesi::kaydet()
{
    if (!isDirty())
        return true;
    if (submitAll())
        return true;
    duzMesaj(QStringLiteral("Hata: ") + lastError().text());
    return false;
}

bool GiyimListesi::sil(int satir)
{
    if (satir < 0 || satir >= rowCount())
        return false;
    if (!onayAl(QStringLiteral("Seçili satır silinecek. Emin misiniz?")))
        return false;
    if (!removeRow(satir) || !kaydet()) {
        revertAll();
        return false;
    }
    return true;
}

bool GiyimListesi::insertRowIntoTable(const QSqlRecord& values)
{
    QSqlRecord r = values;
    const QVariant s = r.value(QStringLiteral("stokid"));
    if (s.isNull() || s.toString().isEmpty() || s.toLongLong() == 0) {
        r.setValue(QStringLiteral("stokid"), stokId_);
        r.setGenerated(QStringLiteral("stokid"), true);
    }
    return QSqlTableModel::insertRowIntoTable(r);
}

// ---------------------------------------------------------------------------------------------

StokKarti::StokKarti(QObject* parent) : QObject(parent)
{
    bos_ = myConn().record(QStringLiteral("stok"));
    for (int i = 0; i < bos_.count(); ++i)
        bos_.setNull(i);
    renkler_ = new GiyimListesi(QStringLiteral("stok_renk"), QStringLiteral("renk_adi"), this);
    bedenler_ = new GiyimListesi(QStringLiteral("stok_beden"), QStringLiteral("beden_adi"), this);
    birimler_ = new QSqlQueryModel(this);
    gruplar_ = new QSqlQueryModel(this);
    markalar_ = new QSqlQueryModel(this);
    tanimlariYenile();
}

StokKarti::~StokKarti() = default;

void StokKarti::tanimlariYenile()
{
    birimler_->setQuery(QStringLiteral("SELECT id, adi FROM birim ORDER BY id"), myConn());
    gruplar_->setQuery(QStringLiteral("SELECT id, adi FROM grup ORDER BY id"), myConn());
    markalar_->setQuery(QStringLiteral("SELECT id, adi FROM marka ORDER BY id"), myConn());
}

void StokKarti::kayitKur(const QSqlRecord& r, Durum d, const QString& baslik)
{
    kayit = bos_;
    for (int i = 0; i < bos_.count(); ++i)
        kayit.setValue(i, r.value(bos_.fieldName(i)));
    sakli = kayit;
    durum_ = d;
    kayitVar_ = true;
    degistirildi = false;
    baslik_ = baslik;
    odak_.clear();
    emit degisti();
}

void StokKarti::yeniKayit()
{
    kayitKur(bos_, Ekle, yeniBaslik);
}

bool StokKarti::duzenlemeIcinAc(const QString& stokKodu)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("SELECT * FROM STOK where stokkodu = :stokkodu"));
    q.bindValue(QStringLiteral(":stokkodu"), stokKodu);
    calistir(q);
    if (q.next()) {
        kayitKur(q.record(), Gozat, duzenleBaslik);
        return true;
    }
    kayit = sakli = bos_;
    kayitVar_ = false;
    durum_ = Gozat;
    degistirildi = false;
    baslik_ = duzenleBaslik;
    emit degisti();
    return false;
}

void StokKarti::masterdanYukle(const QSqlRecord& master)
{
    if (!(kayitVar_ && durum_ == Ekle))
        kayitKur(bos_, Ekle, masterBaslik);
    kayit.setValue(QStringLiteral("barkod"), master.value(QStringLiteral("barkod")));
    kayit.setValue(QStringLiteral("stokadi"), master.value(QStringLiteral("urunAdi")));
    kayit.setValue(QStringLiteral("stokkodu"), master.value(QStringLiteral("stokkodu")));
    kayit.setValue(QStringLiteral("kdv"), master.value(QStringLiteral("kdv")));
    kayit.setValue(QStringLiteral("birim"), master.value(QStringLiteral("birim")));
    kayit.setValue(QStringLiteral("satisfiyat1"), 0.0);
    kayit.setValue(QStringLiteral("satisfiyat2"), 0.0);
    kayit.setValue(QStringLiteral("alisfiyat"), 0.0);
    degistirildi = true;
    baslik_ = masterBaslik;
    emit degisti();
}

qint64 StokKarti::id() const
{
    if (!kayitVar_ || durum_ == Ekle)
        return 0;
    return kayit.value(QStringLiteral("id")).toLongLong();
}

QVariant StokKarti::deger(const QString& alan) const
{
    return kayitVar_ ? kayit.value(alan) : QVariant();
}

QString StokKarti::metin(const QString& alan) const
{
    return deger(alan).toString();
}

bool StokKarti::bos(const QString& alan) const
{
    const QVariant v = kayit.value(alan);
    return v.isNull() || v.toString().isEmpty();
}

bool StokKarti::duzenlemeyeAl()
{
    if (!kayitVar_)
        return false;
    if (durum_ != Gozat)
        return true;
    if (!yetkiKontrol(QStringLiteral("STOKGUNCELLE")))
        return false;
    durum_ = Duzenle;
    return true;
}

bool StokKarti::duzenle()
{
    const bool oldu = duzenlemeyeAl();
    emit degisti();
    return oldu;
}

bool StokKarti::ayarla(const QString& alan, const QVariant& deger)
{
    if (kayit.indexOf(alan) < 0)
        return false;
    if (!duzenlemeyeAl()) {
        emit degisti();
        return false;
    }
    kayit.setValue(alan, deger);
    degistirildi = true;
    emit degisti();
    return true;
}

bool StokKarti::kutuMetniAyarla(const QString& alan, const QString& metin)
{
    if (metin.isEmpty())
        return ayarla(alan, QVariant());
    if (ondalikAlan(alan) || tamsayiAlan(alan)) {
        bool ok = false;
        const double d = kutuSayisi(metin, &ok);
        if (!ok)
            return false;
        if (tamsayiAlan(alan))
            return ayarla(alan, qlonglong(std::llround(d)));
        return ayarla(alan, d);
    }
    return ayarla(alan, metin);
}

QString StokKarti::kutuMetni(const QString& alan) const
{
    const QVariant v = deger(alan);
    if (v.isNull())
        return {};
    if (ondalikAlan(alan))
        return genelSayi(v.toDouble());
    return v.toString();
}

bool StokKarti::yeniKartaGec()
{
    if (degisiklikVar()) {
        if (degistirildi)
            return kaydet();
        iptal();
    }
    yeniKayit();
    return false;
}

bool StokKarti::reddet(const QString& mesaj, const QString& odak)
{
    bilgiMesaji(mesaj);
    odak_ = odak;
    emit degisti();
    return false;
}

QString StokKarti::lookupAdi(const QString& tablo, const QString& alan) const
{
    const QVariant id = kayit.value(alan);
    if (id.isNull() || id.toString().isEmpty())
        return {};
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("SELECT adi FROM ") + tablo + QStringLiteral(" WHERE id = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    calistir(q);
    return q.next() ? q.value(0).toString() : QString();
}

bool StokKarti::kaydet()
{
    if (!degisiklikVar())
        return false;
    odak_.clear();
    const QString stokkodu = QStringLiteral("stokkodu");

    if (bos(stokkodu))
        return reddet(QStringLiteral("Stokkodu alanı boş olamaz.."), stokkodu);
    if (bos(QStringLiteral("tartiCarpan")))
        kayit.setValue(QStringLiteral("tartiCarpan"), 1);
    const QString kod = metin(stokkodu);
    const QString kendiId = durum_ == Ekle
                                ? QStringLiteral("-1")
                                : QString::number(sakli.value(QStringLiteral("id")).toLongLong());

    if ((durum_ == Ekle || kod != sakli.value(stokkodu).toString()) &&
        kayitVarMi(QStringLiteral("stok"), stokkodu, kod))
        return reddet(kod + QStringLiteral(" Stokkodu başka bir üründe kayıtlı.."), stokkodu);

    // Every barcode of the card must be free in all eight barcode columns of the other products.
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("SELECT id, stokkodu FROM stok WHERE id <> ") + kendiId +
              QStringLiteral(" AND (barkod = :pBarkod OR barkod2 = :pBarkod OR barkod3 = "
                             ":pBarkod OR barkod4 = :pBarkod OR barkod5 = :pBarkod OR barkod6 = "
                             ":pBarkod OR barkod7 = :pBarkod OR barkod8 = :pBarkod)"));
    const QString ana = metin(QStringLiteral("barkod")).trimmed();
    for (int n = 1; n <= 8; ++n) {
        const QString b = metin(barkodAlani(n)).trimmed();
        if (b.isEmpty())
            continue;
        q.bindValue(QStringLiteral(":pBarkod"), b);
        calistir(q);
        if (q.next()) {
            const QString sahibi = q.value(1).toString();
            q.finish();
            return reddet(QStringLiteral("\"") + b + QStringLiteral("\" barkodu, ") + sahibi +
                              QStringLiteral(" kodlu başka bir üründe zaten kayıtlı."),
                          barkodAlani(n));
        }
        q.finish();
        if (n >= 2 && b == ana)
            return reddet(QStringLiteral("Barkod") + QString::number(n) +
                              QStringLiteral(" alanındaki barkod, Ana Barkod alanında da mevcut."),
                          barkodAlani(n));
    }

    // The boxes one by one, so the user learns which one is empty and lands in it.
    if (bos(QStringLiteral("stokadi")))
        return reddet(QStringLiteral("Stok Adı alanı boş olamaz.."), QStringLiteral("stokadi"));
    if (bos(QStringLiteral("satisfiyat1")))
        return reddet(QStringLiteral("Satış Fiyat 1 KDV Dahil alanı boş olamaz.."),
                      QStringLiteral("satisfiyat1"));
    if (lookupAdi(QStringLiteral("birim"), QStringLiteral("birim")).isEmpty())
        return reddet(QStringLiteral("Birim alanı boş olamaz"), QStringLiteral("birim"));
    if (lookupAdi(QStringLiteral("grup"), QStringLiteral("grup")).isEmpty())
        return reddet(QStringLiteral("Grup alanı boş olamaz.."), QStringLiteral("grup"));

    if (baslik_ == yeniBaslik) {
        if (kayitVarMi(QStringLiteral("stok"), stokkodu, kod))
            return reddet(kod + QStringLiteral(" Stokkodu başka bir üründe kayıtlı.."), stokkodu);
        const QString ad = metin(QStringLiteral("stokadi"));
        if (kayitVarMi(QStringLiteral("stok"), QStringLiteral("stokadi"), ad))
            return reddet(ad + QStringLiteral(" Adlı ürün zaten kayıtlı.."), stokkodu);
        // An empty barcode is no barcode: it must not clash with other products without one.
        const QString barkod = metin(QStringLiteral("barkod"));
        if (!barkod.isEmpty() &&
            kayitVarMi(QStringLiteral("stok"), QStringLiteral("barkod"), barkod))
            return reddet(barkod + QStringLiteral(" Barkodu başka bir üründe kayıtlı.."), stokkodu);
    }

    if (!yaz()) {
        bilgiMesaji(alanlariDoldurun);
        emit degisti();
        return false;
    }
    sakli = kayit;
    durum_ = Gozat;
    degistirildi = false;
    emit degisti();
    bilgiMesaji(QStringLiteral("Kayıt başarılı.."));
    return true;
}

bool StokKarti::yaz()
{
    // Every column but the key, as the card's row holds it; kdv, marka, tipi and pasif go back
    // as they came.
    QStringList sutunlar;
    QList<QVariant> degerler;
    for (int i = 0; i < kayit.count(); ++i) {
        if (kayit.fieldName(i).compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            continue;
        sutunlar << QLatin1Char('"') + kayit.fieldName(i) + QLatin1Char('"');
        degerler << kayit.value(i);
    }
    QSqlQuery q(myConn());
    if (durum_ == Ekle) {
        QStringList yerler;
        for (int i = 0; i < sutunlar.size(); ++i)
            yerler << QStringLiteral("?");
        q.prepare(QStringLiteral("INSERT INTO stok (") + sutunlar.join(QStringLiteral(", ")) +
                  QStringLiteral(") VALUES (") + yerler.join(QStringLiteral(", ")) +
                  QLatin1Char(')'));
    } else {
        QStringList atamalar;
        for (const QString& s : std::as_const(sutunlar))
            atamalar << s + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE stok SET ") + atamalar.join(QStringLiteral(", ")) +
                  QStringLiteral(" WHERE id = ?"));
        degerler << sakli.value(QStringLiteral("id"));
    }
    for (const QVariant& d : std::as_const(degerler))
        q.addBindValue(d);
    if (!q.exec()) {
        qWarning("Stok kaydı yazılamadı: %s", qPrintable(q.lastError().text()));
        return false;
    }
    if (durum_ == Ekle)
        kayit.setValue(QStringLiteral("id"), q.lastInsertId());
    return true;
}

void StokKarti::iptal()
{
    if (!kayitVar_)
        return;
    if (durum_ == Ekle) {
        // A row that was never written is gone with its changes.
        kayit = sakli = bos_;
        kayitVar_ = false;
    } else {
        kayit = sakli;
    }
    durum_ = Gozat;
    degistirildi = false;
    odak_.clear();
    emit degisti();
}

bool StokKarti::sil()
{
    if (!kayitVar_)
        return false;
    if (durum_ == Ekle) {
        if (onayAl(QStringLiteral("Seçili olan stok kartı tamamen silinecek. Eminmisiniz?")))
            iptal();
        return false;
    }
    if (!yetkiKontrol(QStringLiteral("STOKSIL")))
        return false;
    const QString id = QString::number(sakli.value(QStringLiteral("id")).toLongLong());
    if (kayitVarMi(QStringLiteral("stokhar"), QStringLiteral("stokid"), id)) {
        bilgiMesaji(
            QStringLiteral("Stok kartında başka hareketler var. önce onların silinmesi gerekli.."));
        return false;
    }
    if (!onayAl(QStringLiteral("Seçili olan stok kartı tamamen silinecek. Eminmisiniz?")))
        return false;
    try {
        // The product's colours and sizes go with it, so no list is left without its product.
        IslemKoruyucu islem;
        QSqlQuery q(myConn());
        q.prepare(QStringLiteral("DELETE FROM stok WHERE id = :Old_id"));
        q.bindValue(QStringLiteral(":Old_id"), sakli.value(QStringLiteral("id")));
        calistir(q);
        calistir(QStringLiteral("DELETE FROM stok_renk WHERE stokid = ") + id);
        calistir(QStringLiteral("DELETE FROM stok_beden WHERE stokid = ") + id);
        islem.onayla();
    } catch (const VeritabaniHatasi& h) {
        duzMesaj(QStringLiteral("Hata: ") + h.metin());
        return false;
    }
    kayit = sakli = bos_;
    kayitVar_ = false;
    durum_ = Gozat;
    degistirildi = false;
    renkler_->kapat();
    bedenler_->kapat();
    emit degisti();
    return true;
}

bool StokKarti::kapatilabilir()
{
    if (!degisiklikVar())
        return true;
    if (!onayAl(QStringLiteral("Kaydedilmemiş değişiklikler var. çıkmak istiyormusunuz?")))
        return false;
    iptal();
    return true;
}

bool StokKarti::kdvUygula(const QString& alan, const QString& fiyatKutusu, const QString& kdvMetni,
                          bool ekle)
{
    if (!duzenlemeyeAl()) {
        emit degisti();
        return false;
    }
    QString t = fiyatKutusu;
    t.remove(QLatin1Char('.'));
    bool ok = false;
    const double fiyat = kutuSayisi(t, &ok);
    if (!ok) {
        emit degisti();
        return false;
    }
    const double oran = kutuSayisi(kdvMetni, &ok);
    if (!ok) {
        duzMesaj(QStringLiteral("'") + kdvMetni + QStringLiteral("' geçerli bir sayı değil"));
        emit degisti();
        return false;
    }
    const double yeni = ekle ? fiyat + oran / 100.0 * fiyat : fiyat / (oran / 100.0 + 1.0);
    if (!std::isfinite(yeni)) {
        emit degisti();
        return false;
    }
    kayit.setValue(alan, yeni);
    degistirildi = true;
    emit degisti();
    return true;
}

QString StokKarti::fiyatKutusuBirakildi(const QString& alan, const QString& metin)
{
    const QString yeni = fiyatMetni(metin);
    const QVariant d = yeni.isEmpty() ? QVariant() : QVariant(kutuSayisi(yeni));
    // Passing through a box changes nothing and needs no permission.
    if (!kayitVar_ || esit(d, kayit.value(alan)))
        return kayitVar_ && !d.isNull() ? yeni : kutuMetni(alan);
    if (!ayarla(alan, d))
        return kutuMetni(alan);
    return yeni;
}

QString StokKarti::sayiGirisiBasligi(const QString& alan)
{
    if (alan.compare(QLatin1String("alisfiyat"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Alış Fiyatı Giriniz");
    if (alan.compare(QLatin1String("satisfiyat1"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Satış Fiyatı 1 Giriniz");
    if (alan.compare(QLatin1String("satisfiyat2"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Satış Fiyatı 2 Giriniz");
    if (alan.compare(QLatin1String("sinirsayi"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Kritik Stok Sınırı Giriniz");
    return {};
}

bool StokKarti::sayiGirisi(const QString& alan, const QString& kutuMetni)
{
    const QString baslik = sayiGirisiBasligi(alan);
    if (baslik.isEmpty() || !kayitVar_)
        return false;
    const double sonuc = sayiGir(baslik, kutuMetni);
    // A cancelled dialog gives 0: that clears the warning level but never a price.
    const bool uyari = alan.compare(QLatin1String("sinirsayi"), Qt::CaseInsensitive) == 0;
    if (sonuc > 0 || (uyari && sonuc == 0))
        return ayarla(alan, sonuc);
    return false;
}

bool StokKarti::barkodUret()
{
    if (!duzenlemeyeAl()) {
        emit degisti();
        return false;
    }
    AyarDosyasi ayar = AyarDosyasi::oku();
    QString sayiMetni, tur;
    if (ayar.satirSayisi() == 0) {
        ayar.satirlar.append(QStringLiteral("1000000"));
        sayiMetni = QStringLiteral("1000000");
    } else {
        sayiMetni = ayar.satir(0);
    }
    if (ayar.satirSayisi() < 2) {
        ayar.satirlar.append(QStringLiteral("3"));
        tur = QStringLiteral("3");
    } else {
        tur = ayar.satir(1);
    }
    bool ok = false;
    qint64 sayi = sayiMetni.toLongLong(&ok);
    if (!ok)
        sayi = 1000000;
    ++sayi;
    const QString kod = sayacBarkodu(sayi, tur);
    kayit.setValue(QStringLiteral("barkod"), kod);
    kayit.setValue(QStringLiteral("stokkodu"), kod);
    degistirildi = true;
    ayar.satirAyarla(0, QString::number(sayi));
    if (!ayar.kaydet())
        bilgiMesaji(QStringLiteral("ayarlar.txt dosyasına yazılamadı.."));
    odak_ = QStringLiteral("stokadi");
    emit degisti();
    return true;
}

void StokKarti::barkodGirildi(const QString& barkod)
{
    if (kayitVar_ && !stokKoduKilitli())
        kutuMetniAyarla(QStringLiteral("stokkodu"), barkod);
    odak_ = QStringLiteral("stokadi");
    emit degisti();
}

bool StokKarti::resimYukle(const QString& dosya)
{
    if (!degisiklikVar())
        return false;
    QFile f(dosya);
    QByteArray veri;
    if (f.open(QIODevice::ReadOnly))
        veri = f.readAll();
    QBuffer tampon(&veri);
    QImageReader okuyucu(&tampon);
    const QByteArray bicim = okuyucu.format();
    QImage resim;
    if (veri.isEmpty() || !resim.loadFromData(veri)) {
        bilgiMesaji(QStringLiteral("Girilen Resim Dosyası Hatalı.."));
        return false;
    }
    // The till and the labels read JPEG and PNG; other pictures are kept as PNG.
    if (bicim != "jpeg" && bicim != "png") {
        QByteArray png;
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        resim.save(&b, "PNG");
        veri = png;
    }
    return ayarla(QStringLiteral("resim"), veri);
}

bool StokKarti::resmiSil()
{
    if (!degisiklikVar())
        return false;
    return ayarla(QStringLiteral("resim"), QVariant(QMetaType::fromType<QByteArray>()));
}

bool StokKarti::giyimSekmesiGorunur() const
{
    return kayitVar_ && kayit.value(QStringLiteral("giyim")).toInt() == 1;
}

void StokKarti::giyimListeleriniAc()
{
    if (!kayitVar_ || durum_ == Ekle) {
        renkler_->kapat();
        bedenler_->kapat();
        return;
    }
    renkler_->ac(id());
    bedenler_->ac(id());
}

RaporVeriSeti& StokKarti::etiketVerisi()
{
    QStringList alanlar;
    QVariantList satir;
    for (int i = 0; i < bos_.count(); ++i) {
        alanlar << bos_.fieldName(i);
        satir << (kayitVar_ ? kayit.value(i) : QVariant());
    }
    etiket.setSatirlar(alanlar, kayitVar_ ? QList<QVariantList>{satir} : QList<QVariantList>{});
    return etiket;
}
