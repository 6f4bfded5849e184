#include "reports/rapor.h"

#include "core/etkilesim.h"
#include "core/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

// The screens name templates as the installation does ("Raporlar\\x.fr3", "C:\\TORVEL\\..."); a
// full path of this machine is taken as it is.
static QString raporYolu(const QString& yol)
{
    return QDir::isAbsolutePath(yol) ? yol : kurulumYolu(yol);
}

static void raporKaynaklariniYukle()
{
    // The resources of a static library are registered only when asked for.
    Q_INIT_RESOURCE(reports);
}

QString TRapor::dosyadanOku(const QString& tamYol, RaporSablonu* s) const
{
    QFile f(tamYol);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("Rapor dosyası açılamadı: %1").arg(tamYol);
    QString hata;
    if (!RaporSablonu::jsondan(f.readAll(), s, &hata))
        return QStringLiteral("Rapor dosyası okunamadı: %1 (%2)").arg(tamYol, hata);
    return {};
}

void TRapor::korumaliYukle(const QString& yol)
{
    const QString tam = raporYolu(yol);
    if (!QFileInfo::exists(tam)) {
        bilgiMesaji(yol + QStringLiteral(" Dosyası bulunamadı.."));
        return;
    }
    sessizYukle(yol);
}

void TRapor::sessizYukle(const QString& yol)
{
    const QString tam = raporYolu(yol);
    if (!QFileInfo::exists(tam))
        return;
    // A damaged template leaves the report as it was.
    RaporSablonu s;
    if (!dosyadanOku(tam, &s).isEmpty())
        return;
    yuklenen = s;
    yuklu = true;
    dosya = tam;
}

QString TRapor::yukle(const QString& yol)
{
    const QString tam = raporYolu(yol);
    if (!QFileInfo::exists(tam))
        return QStringLiteral("Rapor dosyası bulunamadı: %1").arg(yol);
    RaporSablonu s;
    const QString hata = dosyadanOku(tam, &s);
    if (!hata.isEmpty())
        return hata;
    yuklenen = s;
    yuklu = true;
    dosya = tam;
    return {};
}

void TRapor::setVarsayilanSablon(const RaporSablonu& sablon)
{
    varsayilan = sablon;
    varsayilanVar = true;
}

RaporSablonu TRapor::perakendeFisSablonu()
{
    raporKaynaklariniYukle();
    QFile f(QStringLiteral(":/raporlar/perakende_fis.fr3"));
    RaporSablonu s;
    QString hata;
    if (!f.open(QIODevice::ReadOnly) || !RaporSablonu::jsondan(f.readAll(), &s, &hata))
        qWarning("perakende_fis.fr3 programın içinde okunamadı: %s", qPrintable(hata));
    return s;
}

RaporSablonu TRapor::sablon() const
{
    if (yuklu)
        return yuklenen;
    if (varsayilanVar)
        return varsayilan;
    return otomatikSablon();
}

void TRapor::setSablon(const RaporSablonu& sablon)
{
    yuklenen = sablon;
    yuklu = true;
}

QString TRapor::kaydet(const QString& yol) const
{
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("Dosya yazılamadı: %1").arg(yol);
    f.write(sablon().json());
    if (!f.commit())
        return QStringLiteral("Dosya yazılamadı: %1").arg(yol);
    return {};
}

void TRapor::veriSetiEkle(const QString& ad, RaporVeriSeti* veriSeti)
{
    if (!veriSetleri.contains(ad))
        adlar << ad;
    veriSetleri.insert(ad, veriSeti);
}

RaporVeriSeti* TRapor::veriSeti(const QString& ad) const
{
    for (auto it = veriSetleri.cbegin(); it != veriSetleri.cend(); ++it)
        if (it.key().compare(ad, Qt::CaseInsensitive) == 0)
            return it.value();
    return nullptr;
}

RaporSonucu TRapor::sablonlaHazirla(const RaporSablonu& sablon)
{
    // Several names may share one dataset: read each source once.
    QList<RaporVeriSeti*> okunan;
    for (RaporVeriSeti* vs : std::as_const(veriSetleri))
        if (vs && !okunan.contains(vs)) {
            vs->oku();
            okunan << vs;
        }
    return raporHazirla(sablon, veriSetleri, degiskenler, zaman);
}

const QList<RaporSayfasi>& TRapor::hazirla()
{
    sonuc = sablonlaHazirla(sablon());
    return sonuc.sayfalar;
}

QString TRapor::pdfKaydet(const QString& yol)
{
    hazirla();
    QPdfWriter pdf(yol);
    pdf.setCreator(QStringLiteral("Torvel Shop"));
    const QString hata = raporSayfalariBas(&pdf, sonuc.sayfalar);
    if (!hata.isEmpty())
        return hata;
    return QFileInfo(yol).size() > 0 ? QString() : QStringLiteral("Dosya yazılamadı: %1").arg(yol);
}

QString TRapor::pngKaydet(const QString& yol, int dpi)
{
    hazirla();
    const QFileInfo fi(yol);
    for (int i = 0; i < sonuc.sayfalar.size(); ++i) {
        const QString ad = i == 0 ? yol
                                  : fi.dir().filePath(QStringLiteral("%1-%2.%3")
                                                          .arg(fi.completeBaseName())
                                                          .arg(i + 1)
                                                          .arg(fi.suffix()));
        if (!raporSayfasiResmi(sonuc.sayfalar.at(i), dpi).save(ad, "PNG"))
            return QStringLiteral("Dosya yazılamadı: %1").arg(ad);
    }
    return {};
}

RaporSablonu TRapor::otomatikSablon() const
{
    // Without any template a report still prints its first dataset as a plain list.
    RaporSablonu s;
    s.ad = QStringLiteral("Liste");
    s.yaziBoyutu = 8;
    RaporBandi ust;
    ust.tur = BantTuru::SayfaBasligi;
    ust.yukseklik = 8;
    RaporNesnesi tarih;
    tarih.ad = QStringLiteral("Tarih");
    tarih.metin = QStringLiteral("[DATE] [TIME]");
    tarih.genislik = 190;
    tarih.hiza = Qt::AlignRight;
    ust.nesneler << tarih;
    s.bantlar.push_back(ust);

    RaporBandi alt;
    alt.tur = BantTuru::SayfaAltligi;
    alt.yukseklik = 6;
    RaporNesnesi sayfaNo;
    sayfaNo.ad = QStringLiteral("SayfaNo");
    sayfaNo.metin = QStringLiteral("Sayfa [PAGE] / [PAGES]");
    sayfaNo.genislik = 190;
    sayfaNo.hiza = Qt::AlignHCenter;
    alt.nesneler << sayfaNo;

    if (!adlar.isEmpty()) {
        const QString vsAdi = adlar.first();
        RaporVeriSeti* vs = veriSetleri.value(vsAdi);
        QStringList alanlar = vs ? vs->alanlar() : QStringList();
        alanlar = alanlar.mid(0, 8);
        RaporBandi sutun;
        sutun.tur = BantTuru::SutunBasligi;
        sutun.yukseklik = 6;
        RaporBandi veri;
        veri.tur = BantTuru::Veri;
        veri.veriSeti = vsAdi;
        veri.yukseklik = 5;
        const double w = alanlar.isEmpty() ? 190 : 190.0 / alanlar.size();
        for (int i = 0; i < alanlar.size(); ++i) {
            RaporNesnesi b;
            b.ad = QStringLiteral("Baslik%1").arg(i + 1);
            b.metin = alanlar.at(i);
            b.kalin = true;
            b.x = i * w;
            b.genislik = w;
            b.cerceve = RaporNesnesi::Alt;
            sutun.nesneler << b;
            RaporNesnesi d;
            d.ad = QStringLiteral("Alan%1").arg(i + 1);
            d.metin = QStringLiteral("[%1.\"%2\"]").arg(vsAdi, alanlar.at(i));
            d.x = i * w;
            d.genislik = w;
            veri.nesneler << d;
        }
        s.bantlar.push_back(sutun);
        s.bantlar.push_back(veri);
    }
    s.bantlar.push_back(alt);
    return s;
}
