#include "stock/stokHareket.h"

#include "core/bicim.h"
#include "core/etkilesim.h"
#include "core/gridModeli.h"
#include "core/oturum.h"
#include "core/veritabani.h"
#include "stock/stokBicim.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

QString HareketToplamlari::girenMetni() const
{
    return genelSayi(girenAdet) + QStringLiteral(" / ") + genelSayi(girenTutar) +
           QStringLiteral(" TL");
}

QString HareketToplamlari::cikanMetni() const
{
    return genelSayi(cikanAdet) + QStringLiteral(" / ") + genelSayi(cikanTutar) +
           QStringLiteral(" TL");
}

QString HareketToplamlari::toplamMetni() const
{
    return genelSayi(toplamTutar) + QStringLiteral(" TL");
}

QString HareketToplamlari::kalanMetni() const
{
    return genelSayi(kalan());
}

QString HareketToplamlari::baslikMetni() const
{
    return QStringLiteral("ürün Bilgileri                     Stok Kalan   =") + kalanMetni();
}

StokHareketleri::StokHareketleri(QObject* parent) : QObject(parent)
{
    model_ = new QSqlQueryModel(this);
    // An empty list rather than no query: a model without one never says it is fully read.
    yenile();
}

void StokHareketleri::listele(qint64 stokId, const QDateTime& tar1, const QDateTime& tar2)
{
    stokId_ = stokId;
    tar1_ = tar1;
    tar2_ = tar2;
    yenile();
}

void StokHareketleri::yenile()
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral(
        "SELECT stok.*, harekettip.adi, fatura.faturano, fatura.id as faturaid, fatura.odemeid, "
        "(fatura.tarih ) AS tarihh, stokhar.tipi as hareketTipi, stokhar.fiyat, "
        "stokhar.aciklama as stokHarAciklama, stokhar.miktar, stokhar.stokid, "
        "fatura.personelid, gckodu FROM stokhar INNER JOIN stok ON stokhar.stokid = stok.id "
        "INNER JOIN fatura ON stokhar.faturaid = fatura.id INNER JOIN harekettip ON "
        "stokhar.tipi = harekettip.kod AND fatura.tipi = harekettip.kod where stok.id = :id "
        "and stokhar.tarih >= :tar1 and stokhar.tarih <= :tar2"));
    q.bindValue(QStringLiteral(":id"), stokId_ > 0 ? QVariant(stokId_) : QVariant());
    tarihBagla(q, QStringLiteral(":tar1"), tar1_);
    tarihBagla(q, QStringLiteral(":tar2"), tar2_);
    calistir(q);
    model_->setQuery(std::move(q));
    while (model_->canFetchMore())
        model_->fetchMore();
}

HareketToplamlari StokHareketleri::toplamlar(const GridModeli& gorunen)
{
    HareketToplamlari t;
    for (int r = 0; r < gorunen.rowCount(); ++r) {
        const double miktar = gorunen.deger(r, QStringLiteral("miktar")).toDouble();
        const double fiyat = gorunen.deger(r, QStringLiteral("fiyat")).toDouble();
        if (gorunen.deger(r, QStringLiteral("gckodu")).toString() == QLatin1String("G")) {
            t.girenAdet += miktar;
            t.girenTutar += fiyat;
        } else {
            t.cikanAdet += miktar;
            t.cikanTutar += fiyat;
        }
        t.toplamTutar += fiyat;
    }
    return t;
}

bool StokHareketleri::sil(const GridModeli& gorunen, int satir)
{
    if (satir < 0 || satir >= gorunen.rowCount())
        return false;
    if (!yetkiKontrol(QStringLiteral("STOKSIL")))
        return false;
    const QString tip = gorunen.deger(satir, QStringLiteral("hareketTipi")).toString();
    if (tip == QLatin1String("HS") || tip == QLatin1String("HSV")) {
        bilgiMesaji(QStringLiteral(
            "Hızlı satış işlemleri; Hızlı Satış Raporları ekranından silinebilir.."));
        return false;
    }
    if (!onayAl(QStringLiteral("Seçili olan hareket tamamen silinecek. Eminmisiniz?")))
        return false;
    const QVariant faturaId = gorunen.deger(satir, QStringLiteral("faturaid"));
    const QVariant odemeId = gorunen.deger(satir, QStringLiteral("odemeid"));
    const QVariant stokId = gorunen.deger(satir, QStringLiteral("stokid"));
    auto dolu = [](const QVariant& v) { return !v.isNull() && !v.toString().isEmpty(); };
    try {
        IslemKoruyucu islem;
        if (dolu(faturaId)) {
            const QString f = QString::number(faturaId.toLongLong());
            calistir(QStringLiteral("DELETE FROM carihar WHERE faturaid = ") + f);
            calistir(QStringLiteral("DELETE FROM stokhar WHERE faturaid = ") + f +
                     QStringLiteral(" AND stokID = ") + QString::number(stokId.toLongLong()));
        }
        if (dolu(odemeId))
            calistir(QStringLiteral("DELETE FROM odeme WHERE id = ") +
                     QString::number(odemeId.toLongLong()));
        islem.onayla();
    } catch (const VeritabaniHatasi& h) {
        duzMesaj(QStringLiteral("Hata: ") + h.metin());
        return false;
    }
    yenile();
    return true;
}
