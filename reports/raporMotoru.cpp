#include "reports/raporMotoru.h"

#include "core/bicim.h"
#include "core/platform.h"
#include "reports/raporIfade.h"
#include "reports/raporVeriSeti.h"

#include <QCollator>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSet>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
constexpr double mmInc = 25.4;

// Text is measured once, on a fine grid, and the line breaks found there are kept for every
// device; hinting is off so widths scale evenly from screen to printer.
const QImage& olcumCihazi()
{
    static const QImage cihaz = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(qRound(1200 / 0.0254));
        i.setDotsPerMeterY(qRound(1200 / 0.0254));
        return i;
    }();
    return cihaz;
}

QString sondakiBosluklarsiz(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

struct MetinOlcusu {
    QStringList satirlar;
    double satirYuksekligi = 0; // mm
};

MetinOlcusu metinOlc(const QString& metin, const QFont& yazi, double genislikMm, bool kaydir)
{
    const QImage& cihaz = olcumCihazi();
    const double k = cihaz.logicalDpiX() / mmInc;
    const QFontMetricsF fm(yazi, &cihaz);
    MetinOlcusu o;
    o.satirYuksekligi = fm.lineSpacing() / k;
    for (const QString& paragraf : metin.split(QLatin1Char('\n'))) {
        if (!kaydir || paragraf.isEmpty()) {
            o.satirlar << paragraf;
            continue;
        }
        QTextLayout tl(paragraf, yazi, &cihaz);
        QTextOption secenek;
        secenek.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        tl.setTextOption(secenek);
        tl.beginLayout();
        for (QTextLine l = tl.createLine(); l.isValid(); l = tl.createLine()) {
            l.setLineWidth(qMax(1.0, genislikMm * k));
            o.satirlar << sondakiBosluklarsiz(paragraf.mid(l.textStart(), l.textLength()));
        }
        tl.endLayout();
    }
    return o;
}

struct Imlec {
    QString ad;
    RaporVeriSeti* vs = nullptr;
    QList<int> tum;    // rows after the grid filter
    QList<int> kapsam; // rows the aggregates see now: the band's, the group's
    int satir = -1;    // current row; -1: the first of kapsam
};

struct HazirBant {
    double yukseklik = 0;
    QList<RaporOgesi> ogeler; // x from the printable left edge, y from the band's top
};

class Dizgici : public IfadeOrtami
{
public:
    Dizgici(const RaporSablonu& s, const QHash<QString, RaporVeriSeti*>& veriSetleri,
            const QVariantMap& degiskenler, const QDateTime& zaman, int toplamSayfa)
        : s(s), degiskenler(degiskenler), zaman(zaman), toplamSayfa(toplamSayfa)
    {
        for (auto it = s.degiskenler.cbegin(); it != s.degiskenler.cend(); ++it)
            if (!this->degiskenler.contains(it.key()))
                this->degiskenler.insert(it.key(), it.value());
        for (auto it = veriSetleri.cbegin(); it != veriSetleri.cend(); ++it) {
            if (!it.value())
                continue;
            Imlec im;
            im.ad = it.key();
            im.vs = it.value();
            im.tum = it.value()->gorunenSatirlar();
            im.kapsam = im.tum;
            imlecler.insert(it.key().toLower(), im);
        }
    }

    RaporSonucu calistir()
    {
        if (s.etiketli()) {
            for (const RaporBandi& b : s.bantlar)
                if (b.tur == BantTuru::Veri)
                    veriYaz(b, nullptr);
            if (sayfalar.isEmpty())
                sayfaAc();
        } else {
            sayfaAc();
            for (const RaporBandi& b : s.bantlar) {
                if (b.tur == BantTuru::Veri)
                    veriYaz(b, nullptr);
                else if (b.tur == BantTuru::Ozet)
                    bantYaz(b, true);
            }
            sayfaKapat();
        }
        RaporSonucu r;
        r.sayfalar = sayfalar;
        r.uyarilar = uyarilar;
        return r;
    }

    // IfadeOrtami
    QVariant alan(const QString& veriSeti, const QString& ad) override
    {
        Imlec* im = imlec(veriSeti);
        if (!im)
            return {};
        const int sutun = im->vs->alanNo(ad);
        if (sutun < 0) {
            hata(QStringLiteral("'%1' veri setinde '%2' alanı yok").arg(im->ad, ad));
            return {};
        }
        return im->vs->deger(gecerliSatir(*im), sutun);
    }

    QVariant ad(const QString& ad) override
    {
        const QString b = ad.toUpper();
        if (b == QLatin1String("DATE"))
            return zaman.date();
        if (b == QLatin1String("TIME"))
            return zaman.time();
        if (b == QLatin1String("NOW"))
            return zaman;
        if (b == QLatin1String("PAGE"))
            return sayfaNo;
        if (b == QLatin1String("PAGES"))
            return toplamSayfa > 0 ? toplamSayfa : static_cast<int>(sayfalar.size());
        if (b == QLatin1String("LINE"))
            return satirNolari.isEmpty() ? 0 : satirNolari.back();
        for (auto it = degiskenler.cbegin(); it != degiskenler.cend(); ++it)
            if (it.key().compare(ad, Qt::CaseInsensitive) == 0)
                return it.value();
        hata(QStringLiteral("bilinmeyen ad '%1'").arg(ad));
        return {};
    }

    bool veriIslevi(const IfadeDugumu& d, QVariant* sonuc) override
    {
        static const QStringList adlar = {QStringLiteral("SUM"),   QStringLiteral("SUMIF"),
                                          QStringLiteral("AVG"),   QStringLiteral("MIN"),
                                          QStringLiteral("MAX"),   QStringLiteral("COUNT"),
                                          QStringLiteral("FILTER")};
        if (!adlar.contains(d.ad))
            return false;
        *sonuc = QVariant();
        const size_t n = d.ogeler.size();
        const bool sayim = d.ad == QLatin1String("COUNT") || d.ad == QLatin1String("FILTER");
        if (n < 1 || n > 2 || (d.ad == QLatin1String("SUMIF") && n != 2) ||
            (d.ad == QLatin1String("FILTER") && n != 1)) {
            hata(QStringLiteral("%1: değer sayısı yanlış").arg(d.ad));
            return true;
        }
        QString vsAdi;
        const IfadeDugumu& ilk = *d.ogeler.at(0);
        if (sayim && ilk.tur == IfadeDugumu::Ad)
            vsAdi = ilk.ad;
        else
            vsAdi = ilkVeriSeti(ilk);
        if (vsAdi.isEmpty()) {
            hata(QStringLiteral("%1: hangi veri setinin satırları? (veriSeti.alan yazınız)")
                     .arg(d.ad));
            return true;
        }
        Imlec* im = imlec(vsAdi);
        if (!im)
            return true;
        if (d.ad == QLatin1String("FILTER")) {
            *sonuc = im->vs->filtre().metin();
            return true;
        }
        const IfadeDugumu* kosul = n == 2 ? d.ogeler.at(1).get() : nullptr;
        const bool ifadeli = !(sayim && ilk.tur == IfadeDugumu::Ad);
        const int eski = im->satir;
        double toplam = 0;
        int adet = 0;
        QVariant enKucuk, enBuyuk;
        for (int r : im->kapsam) {
            im->satir = r;
            if (kosul && !dogruMu(ifadeHesapla(*kosul, *this)))
                continue;
            if (!ifadeli) {
                ++adet;
                continue;
            }
            const QVariant v = ifadeHesapla(ilk, *this);
            if (v.isNull() || !v.isValid())
                continue;
            ++adet;
            bool t = false;
            toplam += sayiDegeri(v, &t);
            if (!enKucuk.isValid() || degerKarsilastir(v, enKucuk) < 0)
                enKucuk = v;
            if (!enBuyuk.isValid() || degerKarsilastir(v, enBuyuk) > 0)
                enBuyuk = v;
        }
        im->satir = eski;
        if (d.ad == QLatin1String("COUNT"))
            *sonuc = adet;
        else if (d.ad == QLatin1String("SUM") || d.ad == QLatin1String("SUMIF"))
            *sonuc = toplam;
        else if (d.ad == QLatin1String("AVG"))
            *sonuc = adet ? QVariant(toplam / adet) : QVariant();
        else if (d.ad == QLatin1String("MIN"))
            *sonuc = enKucuk;
        else
            *sonuc = enBuyuk;
        return true;
    }

    void hata(const QString& metin) override
    {
        const QString m = baglam.isEmpty() ? metin : baglam + QStringLiteral(": ") + metin;
        if (!gorulenUyarilar.contains(m)) {
            gorulenUyarilar.insert(m);
            uyarilar << m;
        }
    }

private:
    Imlec* imlec(const QString& ad)
    {
        auto it = imlecler.find(ad.toLower());
        if (it == imlecler.end()) {
            hata(QStringLiteral("bilinmeyen veri seti '%1'").arg(ad));
            return nullptr;
        }
        return &it.value();
    }

    static int gecerliSatir(const Imlec& im)
    {
        if (im.satir >= 0)
            return im.satir;
        return im.kapsam.isEmpty() ? -1 : im.kapsam.first();
    }

    static QString ilkVeriSeti(const IfadeDugumu& d)
    {
        if (d.tur == IfadeDugumu::Alan)
            return d.veriSeti;
        for (const Ifade& o : d.ogeler)
            if (const QString v = ilkVeriSeti(*o); !v.isEmpty())
                return v;
        return {};
    }

    QVariant ifadeDegeri(const QString& kaynak)
    {
        if (kaynak.trimmed().isEmpty())
            return {};
        auto it = ifadeler.find(kaynak);
        if (it == ifadeler.end()) {
            QString h;
            Ifade i = ifadeCoz(kaynak, &h);
            if (!i)
                hata(QStringLiteral("[%1]: %2").arg(kaynak, h));
            it = ifadeler.insert(kaynak, i);
        }
        return it.value() ? ifadeHesapla(*it.value(), *this) : QVariant();
    }

    bool kosulDogru(const QString& kosul)
    {
        return kosul.trimmed().isEmpty() || dogruMu(ifadeDegeri(kosul));
    }

    QString metinHesapla(const QString& metin, const QString& bicim)
    {
        auto it = metinler.find(metin);
        if (it == metinler.end()) {
            QString h;
            QList<MetinParcasi> p = metinCoz(metin, &h);
            if (!h.isEmpty()) {
                hata(h);
                p = {{metin, nullptr, {}}};
            }
            it = metinler.insert(metin, p);
        }
        QString sonuc;
        for (const MetinParcasi& p : it.value())
            sonuc += p.ifade ? degerMetni(ifadeHesapla(*p.ifade, *this), bicim) : p.duz;
        return sonuc;
    }

    QFont yaziTipi(const RaporNesnesi& n) const
    {
        QFont f(n.yaziAilesi.isEmpty() ? s.yaziAilesi : n.yaziAilesi);
        f.setPointSizeF(n.yaziBoyutu > 0 ? n.yaziBoyutu : s.yaziBoyutu);
        f.setBold(n.kalin);
        f.setItalic(n.italik);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }

    // ---- bands

    HazirBant bantHazirla(const RaporBandi& b)
    {
        struct Yer {
            const RaporNesnesi* n;
            double yeniY = 0, yeniH = 0;
            RaporOgesi metin;
        };
        QList<Yer> yerler;
        for (const RaporNesnesi& n : b.nesneler) {
            baglam = n.ad.isEmpty() ? b.ad : n.ad;
            if (!kosulDogru(n.gorunur))
                continue;
            Yer y{&n, n.y, n.yukseklik, {}};
            if (n.tur == RaporNesnesi::Metin) {
                const double ic = n.cerceve ? 0.5 : 0.0;
                const double icDikey = n.cerceve ? 0.3 : 0.0;
                const QFont f = yaziTipi(n);
                const MetinOlcusu o =
                    metinOlc(metinHesapla(n.metin, n.bicim), f, n.genislik - 2 * ic, n.kaydir);
                const double metinH = o.satirlar.size() * o.satirYuksekligi;
                if (n.otomatikYukseklik)
                    y.yeniH = qMax(n.yukseklik, metinH + 2 * icDikey);
                RaporOgesi& m = y.metin;
                m.tur = RaporOgesi::Metin;
                m.satirlar = o.satirlar;
                m.satirYuksekligi = o.satirYuksekligi;
                m.yazi = f;
                m.hiza = n.hiza;
                m.renk = n.renk;
                double ust = icDikey;
                if (n.dikeyHiza & Qt::AlignVCenter)
                    ust = (y.yeniH - metinH) / 2;
                else if (n.dikeyHiza & Qt::AlignBottom)
                    ust = y.yeniH - metinH - icDikey;
                m.metinAlani = QRectF(ic, ust, n.genislik - 2 * ic, metinH);
            }
            yerler << y;
        }
        baglam = b.ad;

        // Objects below a text that grew move down with it, and so on down the band.
        QList<int> sira(yerler.size());
        for (int i = 0; i < sira.size(); ++i)
            sira[i] = i;
        std::stable_sort(sira.begin(), sira.end(),
                         [&](int a, int c) { return yerler[a].n->y < yerler[c].n->y; });
        double enBuyukKayma = 0;
        for (int i : sira) {
            Yer& y = yerler[i];
            double kayma = 0;
            for (int j : sira) {
                const Yer& u = yerler[j];
                if (j == i || u.n->y >= y.n->y)
                    continue;
                if (u.n->y + u.n->yukseklik <= y.n->y + 1e-6)
                    kayma = qMax(kayma, (u.yeniY - u.n->y) + (u.yeniH - u.n->yukseklik));
            }
            y.yeniY = y.n->y + kayma;
            enBuyukKayma = qMax(enBuyukKayma, kayma + (y.yeniH - y.n->yukseklik));
        }

        HazirBant h;
        h.yukseklik = b.yukseklik + enBuyukKayma;
        for (Yer& y : yerler) {
            baglam = y.n->ad.isEmpty() ? b.ad : y.n->ad;
            nesneOgeleri(*y.n, QRectF(y.n->x, y.yeniY, y.n->genislik, y.yeniH), y.metin, &h.ogeler);
        }
        baglam.clear();
        return h;
    }

    void nesneOgeleri(const RaporNesnesi& n, const QRectF& alanMm, RaporOgesi metin,
                      QList<RaporOgesi>* ogeler)
    {
        RaporOgesi temel;
        temel.nesne = n.ad;
        temel.alan = alanMm;
        temel.kalinlik = n.kalinlik;
        temel.stil = n.stil;
        temel.renk = n.renk;
        switch (n.tur) {
        case RaporNesnesi::Metin: {
            if (n.zemin.isValid()) {
                RaporOgesi z = temel;
                z.tur = RaporOgesi::Kutu;
                z.kalinlik = 0;
                z.zemin = n.zemin;
                *ogeler << z;
            }
            metin.nesne = n.ad;
            metin.alan = alanMm;
            metin.metinAlani.translate(alanMm.topLeft());
            *ogeler << metin;
            const QPointF a = alanMm.topLeft(), b = alanMm.topRight(), c = alanMm.bottomRight(),
                          d = alanMm.bottomLeft();
            const std::pair<int, QLineF> kenarlar[] = {{RaporNesnesi::Sol, QLineF(a, d)},
                                                       {RaporNesnesi::Ust, QLineF(a, b)},
                                                       {RaporNesnesi::Sag, QLineF(b, c)},
                                                       {RaporNesnesi::Alt, QLineF(d, c)}};
            for (const auto& [bit, cizgi] : kenarlar)
                if (n.cerceve & bit) {
                    RaporOgesi k = temel;
                    k.tur = RaporOgesi::Cizgi;
                    k.cizgi = cizgi;
                    *ogeler << k;
                }
            break;
        }
        case RaporNesnesi::Cizgi: {
            RaporOgesi k = temel;
            k.tur = RaporOgesi::Cizgi;
            k.cizgi = QLineF(alanMm.topLeft(), alanMm.bottomRight());
            *ogeler << k;
            break;
        }
        case RaporNesnesi::Kutu: {
            RaporOgesi k = temel;
            k.tur = RaporOgesi::Kutu;
            k.zemin = n.zemin;
            *ogeler << k;
            break;
        }
        case RaporNesnesi::Resim: {
            QImage resim;
            if (!n.alan.trimmed().isEmpty()) {
                const QVariant v = ifadeDegeri(n.alan);
                if (v.typeId() == QMetaType::QByteArray && !v.toByteArray().isEmpty()) {
                    resim = QImage::fromData(v.toByteArray());
                    if (resim.isNull())
                        hata(QStringLiteral("alandaki resim okunamadı"));
                }
            } else if (!n.metin.trimmed().isEmpty()) {
                const QString yol = metinHesapla(n.metin, {});
                const QString tam =
                    QFileInfo(yol).isAbsolute() && QFileInfo::exists(yol) ? yol : kurulumYolu(yol);
                resim = QImage(tam);
                if (resim.isNull())
                    hata(QStringLiteral("resim dosyası açılamadı: %1").arg(yol));
            }
            if (resim.isNull())
                break;
            RaporOgesi k = temel;
            k.tur = RaporOgesi::Resim;
            k.resim = resim;
            if (n.oranKoru && resim.width() > 0 && resim.height() > 0) {
                QSizeF boyut(resim.width(), resim.height());
                boyut.scale(alanMm.size(), Qt::KeepAspectRatio);
                k.alan = QRectF(alanMm.x() + (alanMm.width() - boyut.width()) / 2,
                                alanMm.y() + (alanMm.height() - boyut.height()) / 2, boyut.width(),
                                boyut.height());
            }
            *ogeler << k;
            break;
        }
        case RaporNesnesi::Barkod: {
            const QString veri = metinHesapla(n.metin, {});
            BarkodCizimi c =
                barkodOlustur(n.barkodTuru, veri, alanMm.width(), alanMm.height(), n.yaziGoster);
            if (!c.uyari.isEmpty())
                hata(c.uyari);
            if (c.tur.isEmpty())
                break;
            RaporOgesi k = temel;
            k.tur = RaporOgesi::Barkod;
            k.barkod = c;
            *ogeler << k;
            break;
        }
        }
    }

    void koy(const HazirBant& h)
    {
        RaporSayfasi& sayfa = sayfalar.last();
        for (RaporOgesi o : h.ogeler) {
            const QPointF kay(solX, y);
            o.alan.translate(kay);
            o.metinAlani.translate(kay);
            o.cizgi.translate(kay);
            sayfa.ogeler << o;
        }
        y += h.yukseklik;
    }

    // Places a band and its child bands; false when its condition hides it.
    bool bantYaz(const RaporBandi& b, bool kirilabilir)
    {
        baglam = b.ad;
        if (!kosulDogru(b.gorunur)) {
            baglam.clear();
            return false;
        }
        HazirBant h = bantHazirla(b);
        if (kirilabilir && !s.sonsuz() && !s.etiketli() && y + h.yukseklik > altSinir + 1e-6 &&
            y > govdeBasi + 1e-6) {
            sayfaKapat();
            sayfaAc();
            h = bantHazirla(b); // again, for [PAGE]
        }
        koy(h);
        for (const RaporBandi& ek : b.bantlar)
            if (ek.tur == BantTuru::Ek)
                bantYaz(ek, kirilabilir);
        return true;
    }

    const RaporBandi* ustBant(BantTuru t) const
    {
        for (const RaporBandi& b : s.bantlar)
            if (b.tur == t)
                return &b;
        return nullptr;
    }

    void sayfaAc()
    {
        RaporSayfasi sayfa;
        sayfa.boyut = QSizeF(s.sayfaGenislik, s.sonsuz() ? 0 : s.sayfaYukseklik);
        sayfalar << sayfa;
        sayfaNo = static_cast<int>(sayfalar.size());
        solX = s.solKenar;
        y = s.ustKenar;
        if (s.etiketli())
            return;
        altSinir = std::numeric_limits<double>::max();
        if (!s.sonsuz()) {
            altSinir = s.sayfaYukseklik - s.altKenar;
            if (const RaporBandi* alt = ustBant(BantTuru::SayfaAltligi))
                if (kosulDogru(alt->gorunur))
                    altSinir -= bantHazirla(*alt).yukseklik;
        }
        if (sayfaNo == 1)
            if (const RaporBandi* b = ustBant(BantTuru::RaporBasligi))
                bantYaz(*b, false);
        if (const RaporBandi* b = ustBant(BantTuru::SayfaBasligi))
            bantYaz(*b, false);
        if (const RaporBandi* b = ustBant(BantTuru::SutunBasligi))
            bantYaz(*b, false);
        govdeBasi = y;
    }

    void sayfaKapat()
    {
        if (const RaporBandi* alt = ustBant(BantTuru::SayfaAltligi)) {
            if (!s.sonsuz()) {
                baglam = alt->ad;
                if (kosulDogru(alt->gorunur)) {
                    const HazirBant h = bantHazirla(*alt);
                    y = s.sayfaYukseklik - s.altKenar - h.yukseklik;
                }
            }
            bantYaz(*alt, false);
        }
        if (s.sonsuz())
            sayfalar.last().boyut.setHeight(y + s.altKenar);
    }

    void sonrakiHucre()
    {
        const int hucreSayisi = s.etiketSutun * s.etiketSatir;
        if (sayfalar.isEmpty() || ++hucre >= hucreSayisi) {
            sayfaAc();
            hucre = 0;
        }
        const double w =
            (s.sayfaGenislik - s.solKenar - s.sagKenar - (s.etiketSutun - 1) * s.etiketAraX) /
            s.etiketSutun;
        const double h =
            (s.sayfaYukseklik - s.ustKenar - s.altKenar - (s.etiketSatir - 1) * s.etiketAraY) /
            s.etiketSatir;
        solX = s.solKenar + (hucre % s.etiketSutun) * (w + s.etiketAraX);
        y = s.ustKenar + (hucre / s.etiketSutun) * (h + s.etiketAraY);
    }

    QList<int> siraliSatirlar(Imlec& im, const QList<int>& satirlar, const QString& sirala)
    {
        QList<QPair<QVariant, int>> anahtarlar;
        const int eski = im.satir;
        for (int r : satirlar) {
            im.satir = r;
            anahtarlar << qMakePair(ifadeDegeri(sirala), r);
        }
        im.satir = eski;
        QCollator harmanla(trLocale());
        std::stable_sort(anahtarlar.begin(), anahtarlar.end(), [&](const auto& a, const auto& b) {
            bool sa = false, sb = false;
            const double da = sayiDegeri(a.first, &sa), db = sayiDegeri(b.first, &sb);
            if (sa && sb)
                return da < db;
            return harmanla.compare(degerMetni(a.first), degerMetni(b.first)) < 0;
        });
        QList<int> sonuc;
        for (const auto& a : anahtarlar)
            sonuc << a.second;
        return sonuc;
    }

    void veriYaz(const RaporBandi& b, const RaporBandi* ana)
    {
        baglam = b.ad;
        Imlec* im = imlec(b.veriSeti);
        if (!im)
            return;
        QList<int> satirlar = im->tum;
        if (ana) {
            const QVariant anaDeger = alan(ana->veriSeti, b.anaAlan);
            const int sutun = im->vs->alanNo(b.detayAlan);
            if (sutun < 0) {
                hata(QStringLiteral("'%1' veri setinde '%2' alanı yok").arg(im->ad, b.detayAlan));
                return;
            }
            QList<int> bagli;
            for (int r : satirlar)
                if (degerKarsilastir(im->vs->deger(r, sutun), anaDeger) == 0)
                    bagli << r;
            satirlar = bagli;
            if (satirlar.isEmpty())
                return;
        }
        if (!b.sirala.trimmed().isEmpty())
            satirlar = siraliSatirlar(*im, satirlar, b.sirala);

        const QList<int> eskiKapsam = im->kapsam;
        const int eskiSatir = im->satir;
        im->kapsam = satirlar;
        im->satir = -1;
        const bool etiket = s.etiketli() && !ana;

        QList<const RaporBandi*> gruplar;
        for (const RaporBandi& c : b.bantlar)
            if (c.tur == BantTuru::GrupBasligi)
                gruplar << &c;
        if (etiket)
            gruplar.clear();
        // The group keys of every row, level by level, decided before anything is printed.
        QList<QVariantList> anahtar;
        for (int r : satirlar) {
            im->satir = r;
            QVariantList k;
            for (const RaporBandi* g : gruplar) {
                baglam = g->ad;
                k << ifadeDegeri(g->kosul);
            }
            anahtar << k;
        }
        im->satir = -1;
        auto ayniGrup = [&](int i, int j, int seviye) {
            for (int g = 0; g <= seviye; ++g)
                if (degerKarsilastir(anahtar[i][g], anahtar[j][g]) != 0)
                    return false;
            return true;
        };

        if (!etiket)
            if (const RaporBandi* bas = b.altBant(BantTuru::Baslik))
                bantYaz(*bas, true);

        QList<QList<int>> grupKapsami(gruplar.size());
        auto grupKapat = [&](int seviye, int sonSatir) {
            for (int g = static_cast<int>(gruplar.size()) - 1; g >= seviye; --g)
                if (const RaporBandi* alt = gruplar[g]->altBant(BantTuru::GrupAltligi)) {
                    im->satir = sonSatir;
                    im->kapsam = grupKapsami[g];
                    bantYaz(*alt, true);
                }
        };

        for (int i = 0; i < satirlar.size(); ++i) {
            int degisen = static_cast<int>(gruplar.size());
            for (int g = 0; g < gruplar.size(); ++g)
                if (i == 0 || !ayniGrup(i, i - 1, g)) {
                    degisen = g;
                    break;
                }
            if (i > 0)
                grupKapat(degisen, satirlar[i - 1]);
            for (int g = degisen; g < gruplar.size(); ++g) {
                QList<int> kapsam;
                for (int j = i; j < satirlar.size() && ayniGrup(i, j, g); ++j)
                    kapsam << satirlar[j];
                grupKapsami[g] = kapsam;
                im->satir = satirlar[i];
                im->kapsam = kapsam;
                bantYaz(*gruplar[g], true);
            }
            im->satir = satirlar[i];
            im->kapsam = gruplar.isEmpty() ? satirlar : grupKapsami.back();
            if (etiket)
                sonrakiHucre();
            satirNolari << i + 1;
            const bool yazildi = bantYaz(b, true);
            satirNolari.removeLast();
            if (yazildi)
                for (const RaporBandi& c : b.bantlar)
                    if (c.tur == BantTuru::Veri)
                        veriYaz(c, &b);
        }
        if (!satirlar.isEmpty())
            grupKapat(0, satirlar.back());

        im->kapsam = satirlar;
        if (!etiket)
            if (const RaporBandi* alt = b.altBant(BantTuru::Altlik)) {
                im->satir = satirlar.isEmpty() ? -1 : satirlar.back();
                bantYaz(*alt, true);
            }
        im->kapsam = eskiKapsam;
        im->satir = eskiSatir;
    }

    const RaporSablonu& s;
    QVariantMap degiskenler;
    QDateTime zaman;
    int toplamSayfa = 0;
    QHash<QString, Imlec> imlecler;
    QHash<QString, Ifade> ifadeler;
    QHash<QString, QList<MetinParcasi>> metinler;

    QList<RaporSayfasi> sayfalar;
    int sayfaNo = 0;
    double solX = 0, y = 0, altSinir = 0, govdeBasi = 0;
    int hucre = -1;
    QList<int> satirNolari;

    QString baglam;
    QStringList uyarilar;
    QSet<QString> gorulenUyarilar;
};

bool sayfaSayisiGerekli(const RaporSablonu& s)
{
    return s.json().toUpper().contains("PAGES");
}

void cizgiCiz(QPainter& p, const QLineF& cizgi, double kalinlikPx, Qt::PenStyle stil,
              const QColor& renk)
{
    QPen kalem(renk, qMax(1.0, kalinlikPx), stil, Qt::FlatCap);
    p.setPen(kalem);
    p.drawLine(cizgi);
}
} // namespace

QStringList RaporSayfasi::metinler() const
{
    // Each line at its baseline, so texts of different sizes on one printed line read together.
    QList<QPair<QPointF, QString>> satirlar;
    const QImage& cihaz = olcumCihazi();
    const double k = cihaz.logicalDpiY() / mmInc;
    for (const RaporOgesi& o : ogeler) {
        if (o.tur == RaporOgesi::Metin) {
            const double ust = QFontMetricsF(o.yazi, &cihaz).ascent() / k;
            for (int i = 0; i < o.satirlar.size(); ++i)
                satirlar << qMakePair(
                    QPointF(o.metinAlani.x(), o.metinAlani.y() + i * o.satirYuksekligi + ust),
                    o.satirlar.at(i));
        } else if (o.tur == RaporOgesi::Barkod) {
            for (const BarkodCizimi::Yazi& y : o.barkod.yazilar)
                satirlar << qMakePair(o.alan.topLeft() + y.taban, y.metin);
        }
    }
    // Top to bottom; on one line (within half a millimetre) left to right.
    std::stable_sort(satirlar.begin(), satirlar.end(), [](const auto& a, const auto& b) {
        if (std::abs(a.first.y() - b.first.y()) > 0.5)
            return a.first.y() < b.first.y();
        return a.first.x() < b.first.x();
    });
    QStringList sonuc;
    for (const auto& s : satirlar)
        sonuc << s.second;
    return sonuc;
}

RaporSonucu raporHazirla(const RaporSablonu& sablon,
                         const QHash<QString, RaporVeriSeti*>& veriSetleri,
                         const QVariantMap& degiskenler, const QDateTime& zaman)
{
    const QDateTime an = zaman.isValid() ? zaman : QDateTime::currentDateTime();
    RaporSonucu r = Dizgici(sablon, veriSetleri, degiskenler, an, 0).calistir();
    // [PAGES] is known only once everything is laid out: lay out again with the count.
    if (sayfaSayisiGerekli(sablon))
        r = Dizgici(sablon, veriSetleri, degiskenler, an, static_cast<int>(r.sayfalar.size()))
                .calistir();
    return r;
}

void raporSayfasiCiz(QPainter& p, const RaporSayfasi& sayfa, const QString& vurgulu)
{
    const double kx = p.device()->logicalDpiX() / mmInc;
    const double ky = p.device()->logicalDpiY() / mmInc;
    auto px = [&](const QRectF& r) {
        return QRectF(r.x() * kx, r.y() * ky, r.width() * kx, r.height() * ky);
    };
    auto pn = [&](const QPointF& n) { return QPointF(n.x() * kx, n.y() * ky); };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const RaporOgesi& o : sayfa.ogeler) {
        switch (o.tur) {
        case RaporOgesi::Metin: {
            p.setFont(o.yazi);
            p.setPen(o.renk);
            for (int i = 0; i < o.satirlar.size(); ++i) {
                const QRectF satir(o.metinAlani.x(), o.metinAlani.y() + i * o.satirYuksekligi,
                                   o.metinAlani.width(), o.satirYuksekligi);
                p.drawText(px(satir), int(o.hiza | Qt::AlignVCenter) | Qt::TextDontClip,
                           o.satirlar.at(i));
            }
            break;
        }
        case RaporOgesi::Cizgi: {
            const double k = o.kalinlik * ky;
            if (o.stil == RaporNesnesi::Cift) {
                // Two thin rules, as on a receipt under the grand total.
                const QLineF c(pn(o.cizgi.p1()), pn(o.cizgi.p2()));
                QLineF normal = c.normalVector().unitVector();
                const QPointF d = (normal.p2() - normal.p1()) * (0.35 * ky + k / 2);
                cizgiCiz(p, c.translated(-d), k, Qt::SolidLine, o.renk);
                cizgiCiz(p, c.translated(d), k, Qt::SolidLine, o.renk);
            } else {
                cizgiCiz(p, QLineF(pn(o.cizgi.p1()), pn(o.cizgi.p2())), k,
                         o.stil == RaporNesnesi::Kesik ? Qt::DashLine : Qt::SolidLine, o.renk);
            }
            break;
        }
        case RaporOgesi::Kutu:
            p.setPen(o.kalinlik > 0 ? QPen(o.renk, qMax(1.0, o.kalinlik * ky)) : QPen(Qt::NoPen));
            p.setBrush(o.zemin.isValid() ? QBrush(o.zemin) : QBrush(Qt::NoBrush));
            p.drawRect(px(o.alan));
            p.setBrush(Qt::NoBrush);
            break;
        case RaporOgesi::Resim:
            p.drawImage(px(o.alan), o.resim);
            break;
        case RaporOgesi::Barkod: {
            // Crisp bar edges matter more to a scanner than smooth ones. On coarse devices (a
            // thermal printer's 203 dpi, the screen) every module gets the same whole number of
            // dots, or the bars come out uneven and do not scan; the code then gets a little
            // narrower than designed and stays centred where it was.
            double sol = std::numeric_limits<double>::max(), sag = -sol;
            for (const QRectF& c : o.barkod.cubuklar) {
                sol = qMin(sol, (c.left() + o.alan.x()) * kx);
                sag = qMax(sag, (c.right() + o.alan.x()) * kx);
            }
            const double pikselModul = o.barkod.modul * kx;
            double olcek = 1.0;
            if (pikselModul > 0 && pikselModul < 8)
                olcek = qMax(1.0, std::floor(pikselModul + 0.2)) / pikselModul;
            const double bas = std::round(sol + (sag - sol) * (1 - olcek) / 2);
            auto yatay = [&](double x) { return bas + (x - sol) * olcek; };
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            for (const QRectF& c : o.barkod.cubuklar) {
                const QRectF r = px(c.translated(o.alan.topLeft()));
                const double x = std::round(yatay(r.x()));
                p.drawRect(QRectF(x, r.y(), qMax(1.0, std::round(r.width() * olcek)), r.height()));
            }
            p.setBrush(Qt::NoBrush);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(Qt::black);
            for (const BarkodCizimi::Yazi& y : o.barkod.yazilar) {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPixelSize(qMax(1, qRound(y.boyut * 0.8 * ky * olcek)));
                p.setFont(f);
                const QFontMetricsF fm(f, p.device());
                const double w = fm.horizontalAdvance(y.metin);
                QPointF t = pn(o.alan.topLeft() + y.taban);
                t.setX(yatay(t.x()));
                if (y.hiza == 0)
                    t.rx() -= w / 2;
                else if (y.hiza == 2)
                    t.rx() -= w;
                p.drawText(t, y.metin);
            }
            break;
        }
        }
    }
    if (!vurgulu.isEmpty()) {
        QPen kalem(QColor(220, 30, 30), 1, Qt::DashLine);
        kalem.setCosmetic(true);
        p.setPen(kalem);
        p.setBrush(Qt::NoBrush);
        for (const RaporOgesi& o : sayfa.ogeler)
            if (o.nesne == vurgulu)
                p.drawRect(px(o.alan).adjusted(-1, -1, 1, 1));
    }
    p.restore();
}

QImage raporSayfasiResmi(const RaporSayfasi& sayfa, double dpi, const QString& vurgulu)
{
    const double k = dpi / mmInc;
    QImage resim(qMax(1, qRound(sayfa.boyut.width() * k)),
                 qMax(1, qRound(sayfa.boyut.height() * k)), QImage::Format_RGB32);
    resim.setDotsPerMeterX(qRound(dpi / 0.0254));
    resim.setDotsPerMeterY(qRound(dpi / 0.0254));
    resim.fill(Qt::white);
    QPainter p(&resim);
    raporSayfasiCiz(p, sayfa, vurgulu);
    return resim;
}

QString raporSayfalariBas(QPagedPaintDevice* cihaz, const QList<RaporSayfasi>& sayfalar)
{
    if (sayfalar.isEmpty())
        return QStringLiteral("Basılacak sayfa yok.");
    auto boyutla = [&](const RaporSayfasi& s) {
        const QPageSize boyut(s.boyut, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        return cihaz->setPageSize(boyut) &&
               cihaz->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    };
    if (!boyutla(sayfalar.first()))
        return QStringLiteral("Sayfa boyutu ayarlanamadı.");
    QPainter p;
    if (!p.begin(cihaz))
        return QStringLiteral("Yazdırma başlatılamadı.");
    for (int i = 0; i < sayfalar.size(); ++i) {
        if (i > 0) {
            boyutla(sayfalar.at(i));
            cihaz->newPage();
        }
        raporSayfasiCiz(p, sayfalar.at(i));
    }
    p.end();
    return {};
}
