#include "reports/raporSablon.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace
{
struct BantAdi {
    BantTuru tur;
    const char* ad;
    const char* baslik;
};
const BantAdi bantAdlari[] = {
    {BantTuru::RaporBasligi, "raporBasligi", "Rapor Başlığı"},
    {BantTuru::SayfaBasligi, "sayfaBasligi", "Sayfa Başlığı"},
    {BantTuru::SutunBasligi, "sutunBasligi", "Sütun Başlığı"},
    {BantTuru::Veri, "veri", "Veri"},
    {BantTuru::Ozet, "ozet", "Özet"},
    {BantTuru::SayfaAltligi, "sayfaAltligi", "Sayfa Altlığı"},
    {BantTuru::Baslik, "baslik", "Başlık"},
    {BantTuru::Altlik, "altlik", "Altlık"},
    {BantTuru::GrupBasligi, "grupBasligi", "Grup Başlığı"},
    {BantTuru::GrupAltligi, "grupAltligi", "Grup Altlığı"},
    {BantTuru::Ek, "ek", "Ek Bant"},
};

const char* const nesneAdlari[] = {"metin", "cizgi", "kutu", "resim", "barkod"};

// Which bands may sit inside which: the shape the layout engine walks.
bool icindeOlabilir(BantTuru ust, BantTuru alt)
{
    if (alt == BantTuru::Ek)
        return true;
    switch (ust) {
    case BantTuru::Veri:
        return alt == BantTuru::Baslik || alt == BantTuru::Altlik || alt == BantTuru::GrupBasligi ||
               alt == BantTuru::Veri;
    case BantTuru::GrupBasligi:
        return alt == BantTuru::GrupAltligi;
    default:
        return false;
    }
}

bool ustDuzeyde(BantTuru t)
{
    return t == BantTuru::RaporBasligi || t == BantTuru::SayfaBasligi ||
           t == BantTuru::SutunBasligi || t == BantTuru::Veri || t == BantTuru::Ozet ||
           t == BantTuru::SayfaAltligi;
}

QString hizaAdi(Qt::Alignment h)
{
    if (h & Qt::AlignHCenter || h & Qt::AlignVCenter)
        return QStringLiteral("orta");
    if (h & Qt::AlignRight)
        return QStringLiteral("sag");
    if (h & Qt::AlignBottom)
        return QStringLiteral("alt");
    return {};
}

class Okuyucu
{
public:
    QString hata;

    bool sablon(const QJsonObject& o, RaporSablonu* s)
    {
        if (o.value(QLatin1String("tur")).toString() != QLatin1String("TorvelRapor"))
            return hataVer(QStringLiteral("Torvel rapor şablonu değil"));
        s->ad = o.value(QLatin1String("ad")).toString();
        const QJsonObject sayfa = o.value(QLatin1String("sayfa")).toObject();
        s->sayfaGenislik = sayfa.value(QLatin1String("genislik")).toDouble(s->sayfaGenislik);
        s->sayfaYukseklik = sayfa.value(QLatin1String("yukseklik")).toDouble(s->sayfaYukseklik);
        const QJsonObject kenar = sayfa.value(QLatin1String("kenar")).toObject();
        s->solKenar = kenar.value(QLatin1String("sol")).toDouble(s->solKenar);
        s->ustKenar = kenar.value(QLatin1String("ust")).toDouble(s->ustKenar);
        s->sagKenar = kenar.value(QLatin1String("sag")).toDouble(s->sagKenar);
        s->altKenar = kenar.value(QLatin1String("alt")).toDouble(s->altKenar);
        const QJsonObject etiket = sayfa.value(QLatin1String("etiket")).toObject();
        s->etiketSutun = qMax(1, etiket.value(QLatin1String("sutun")).toInt(1));
        s->etiketSatir = qMax(1, etiket.value(QLatin1String("satir")).toInt(1));
        s->etiketAraX = etiket.value(QLatin1String("araX")).toDouble(0);
        s->etiketAraY = etiket.value(QLatin1String("araY")).toDouble(0);
        if (s->sayfaGenislik <= 0)
            return hataVer(QStringLiteral("sayfa genişliği sıfırdan büyük olmalı"));
        if (s->sayfaGenislik - s->solKenar - s->sagKenar <= 0)
            return hataVer(QStringLiteral("kenarlar sayfadan geniş"));
        if (s->sonsuz() && s->etiketli())
            return hataVer(QStringLiteral("sonsuz sayfada etiket düzeni olmaz"));
        const QJsonObject yazi = o.value(QLatin1String("yazi")).toObject();
        s->yaziAilesi = yazi.value(QLatin1String("aile")).toString(s->yaziAilesi);
        s->yaziBoyutu = yazi.value(QLatin1String("boyut")).toDouble(s->yaziBoyutu);
        s->degiskenler = o.value(QLatin1String("degiskenler")).toObject().toVariantMap();
        return bantlar(o.value(QLatin1String("bantlar")), nullptr, &s->bantlar);
    }

private:
    bool hataVer(const QString& m)
    {
        if (hata.isEmpty())
            hata = m;
        return false;
    }

    bool bantlar(const QJsonValue& v, const RaporBandi* ust, std::vector<RaporBandi>* liste)
    {
        if (v.isUndefined())
            return true;
        if (!v.isArray())
            return hataVer(QStringLiteral("'bantlar' bir liste olmalı"));
        for (const QJsonValue& b : v.toArray()) {
            RaporBandi bant;
            if (!this->bant(b.toObject(), ust, &bant))
                return false;
            liste->push_back(std::move(bant));
        }
        return true;
    }

    bool bant(const QJsonObject& o, const RaporBandi* ust, RaporBandi* b)
    {
        const QString tur = o.value(QLatin1String("tur")).toString();
        bool bulundu = false;
        for (const BantAdi& a : bantAdlari)
            if (tur == QLatin1String(a.ad)) {
                b->tur = a.tur;
                bulundu = true;
            }
        if (!bulundu)
            return hataVer(QStringLiteral("bilinmeyen bant türü '%1'").arg(tur));
        if (ust ? !icindeOlabilir(ust->tur, b->tur) : !ustDuzeyde(b->tur))
            return hataVer(QStringLiteral("'%1' bandı burada olamaz").arg(tur));
        b->ad = o.value(QLatin1String("ad")).toString();
        b->yukseklik = o.value(QLatin1String("yukseklik")).toDouble(b->yukseklik);
        b->gorunur = o.value(QLatin1String("gorunur")).toString();
        b->veriSeti = o.value(QLatin1String("veriSeti")).toString();
        b->anaAlan = o.value(QLatin1String("anaAlan")).toString();
        b->detayAlan = o.value(QLatin1String("detayAlan")).toString();
        b->sirala = o.value(QLatin1String("sirala")).toString();
        b->kosul = o.value(QLatin1String("kosul")).toString();
        if (b->tur == BantTuru::Veri && b->veriSeti.isEmpty())
            return hataVer(QStringLiteral("veri bandının veri seti yok"));
        if (b->tur == BantTuru::Veri && ust && (b->anaAlan.isEmpty() || b->detayAlan.isEmpty()))
            return hataVer(QStringLiteral("detay bandı '%1' için ana ve detay alanı gerekli")
                               .arg(b->veriSeti));
        if (b->tur == BantTuru::GrupBasligi && b->kosul.isEmpty())
            return hataVer(QStringLiteral("grup başlığının koşulu yok"));
        if (b->yukseklik < 0)
            return hataVer(QStringLiteral("bant yüksekliği eksi olamaz"));
        const QJsonValue nesneler = o.value(QLatin1String("nesneler"));
        if (!nesneler.isUndefined() && !nesneler.isArray())
            return hataVer(QStringLiteral("'nesneler' bir liste olmalı"));
        for (const QJsonValue& n : nesneler.toArray()) {
            RaporNesnesi nesne;
            if (!this->nesne(n.toObject(), &nesne))
                return false;
            b->nesneler.append(nesne);
        }
        return bantlar(o.value(QLatin1String("bantlar")), b, &b->bantlar);
    }

    bool nesne(const QJsonObject& o, RaporNesnesi* n)
    {
        const QString tur = o.value(QLatin1String("tur")).toString(QStringLiteral("metin"));
        bool bulundu = false;
        for (int i = 0; i < 5; ++i)
            if (tur == QLatin1String(nesneAdlari[i])) {
                n->tur = static_cast<RaporNesnesi::Tur>(i);
                bulundu = true;
            }
        if (!bulundu)
            return hataVer(QStringLiteral("bilinmeyen nesne türü '%1'").arg(tur));
        n->ad = o.value(QLatin1String("ad")).toString();
        n->x = o.value(QLatin1String("x")).toDouble(n->x);
        n->y = o.value(QLatin1String("y")).toDouble(n->y);
        n->genislik = o.value(QLatin1String("genislik")).toDouble(n->genislik);
        n->yukseklik = o.value(QLatin1String("yukseklik")).toDouble(n->yukseklik);
        n->metin = o.value(QLatin1String("metin")).toString();
        n->gorunur = o.value(QLatin1String("gorunur")).toString();
        n->yaziAilesi = o.value(QLatin1String("yaziAilesi")).toString();
        n->yaziBoyutu = o.value(QLatin1String("yaziBoyutu")).toDouble(0);
        n->kalin = o.value(QLatin1String("kalin")).toBool();
        n->italik = o.value(QLatin1String("italik")).toBool();
        const QString hiza = o.value(QLatin1String("hiza")).toString();
        n->hiza = hiza == QLatin1String("orta")  ? Qt::AlignHCenter
                  : hiza == QLatin1String("sag") ? Qt::AlignRight
                                                 : Qt::AlignLeft;
        const QString dikey = o.value(QLatin1String("dikeyHiza")).toString();
        n->dikeyHiza = dikey == QLatin1String("orta")  ? Qt::AlignVCenter
                       : dikey == QLatin1String("alt") ? Qt::AlignBottom
                                                       : Qt::AlignTop;
        n->kaydir = o.value(QLatin1String("kaydir")).toBool();
        n->otomatikYukseklik = o.value(QLatin1String("otomatikYukseklik")).toBool();
        n->bicim = o.value(QLatin1String("bicim")).toString();
        const QString cerceve = o.value(QLatin1String("cerceve")).toString();
        n->cerceve = 0;
        for (const QString& k : cerceve.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (k == QLatin1String("tum"))
                n->cerceve |= RaporNesnesi::Tum;
            else if (k == QLatin1String("sol"))
                n->cerceve |= RaporNesnesi::Sol;
            else if (k == QLatin1String("ust"))
                n->cerceve |= RaporNesnesi::Ust;
            else if (k == QLatin1String("sag"))
                n->cerceve |= RaporNesnesi::Sag;
            else if (k == QLatin1String("alt"))
                n->cerceve |= RaporNesnesi::Alt;
            else
                return hataVer(QStringLiteral("bilinmeyen çerçeve kenarı '%1'").arg(k));
        }
        if (o.contains(QLatin1String("renk")))
            n->renk = QColor(o.value(QLatin1String("renk")).toString());
        if (o.contains(QLatin1String("zemin")))
            n->zemin = QColor(o.value(QLatin1String("zemin")).toString());
        n->kalinlik = o.value(QLatin1String("kalinlik")).toDouble(n->kalinlik);
        const QString stil = o.value(QLatin1String("stil")).toString();
        n->stil = stil == QLatin1String("kesik")  ? RaporNesnesi::Kesik
                  : stil == QLatin1String("cift") ? RaporNesnesi::Cift
                                                  : RaporNesnesi::Duz;
        n->alan = o.value(QLatin1String("alan")).toString();
        n->oranKoru = o.value(QLatin1String("oranKoru")).toBool(true);
        n->barkodTuru = o.value(QLatin1String("barkodTuru")).toString(n->barkodTuru).toUpper();
        if (n->tur == RaporNesnesi::Barkod &&
            !QStringList{QStringLiteral("EAN13"), QStringLiteral("EAN8"), QStringLiteral("CODE128")}
                 .contains(n->barkodTuru))
            return hataVer(QStringLiteral("bilinmeyen barkod türü '%1'").arg(n->barkodTuru));
        n->yaziGoster = o.value(QLatin1String("yaziGoster")).toBool(true);
        if (n->genislik < 0 || n->yukseklik < 0)
            return hataVer(QStringLiteral("'%1' nesnesinin ölçüsü eksi").arg(n->ad));
        return true;
    }
};

QJsonObject nesneJson(const RaporNesnesi& n)
{
    QJsonObject o;
    o.insert(QLatin1String("tur"), QLatin1String(nesneAdlari[n.tur]));
    if (!n.ad.isEmpty())
        o.insert(QLatin1String("ad"), n.ad);
    o.insert(QLatin1String("x"), n.x);
    o.insert(QLatin1String("y"), n.y);
    o.insert(QLatin1String("genislik"), n.genislik);
    o.insert(QLatin1String("yukseklik"), n.yukseklik);
    if (!n.metin.isEmpty())
        o.insert(QLatin1String("metin"), n.metin);
    if (!n.gorunur.isEmpty())
        o.insert(QLatin1String("gorunur"), n.gorunur);
    if (n.tur == RaporNesnesi::Metin) {
        if (!n.yaziAilesi.isEmpty())
            o.insert(QLatin1String("yaziAilesi"), n.yaziAilesi);
        if (n.yaziBoyutu > 0)
            o.insert(QLatin1String("yaziBoyutu"), n.yaziBoyutu);
        if (n.kalin)
            o.insert(QLatin1String("kalin"), true);
        if (n.italik)
            o.insert(QLatin1String("italik"), true);
        if (!hizaAdi(n.hiza).isEmpty())
            o.insert(QLatin1String("hiza"), hizaAdi(n.hiza));
        if (!hizaAdi(n.dikeyHiza).isEmpty())
            o.insert(QLatin1String("dikeyHiza"), hizaAdi(n.dikeyHiza));
        if (n.kaydir)
            o.insert(QLatin1String("kaydir"), true);
        if (n.otomatikYukseklik)
            o.insert(QLatin1String("otomatikYukseklik"), true);
        if (!n.bicim.isEmpty())
            o.insert(QLatin1String("bicim"), n.bicim);
    }
    if (n.cerceve) {
        QStringList k;
        if (n.cerceve == RaporNesnesi::Tum)
            k << QStringLiteral("tum");
        else {
            if (n.cerceve & RaporNesnesi::Sol)
                k << QStringLiteral("sol");
            if (n.cerceve & RaporNesnesi::Ust)
                k << QStringLiteral("ust");
            if (n.cerceve & RaporNesnesi::Sag)
                k << QStringLiteral("sag");
            if (n.cerceve & RaporNesnesi::Alt)
                k << QStringLiteral("alt");
        }
        o.insert(QLatin1String("cerceve"), k.join(QLatin1Char(' ')));
    }
    if (n.renk.isValid() && n.renk != QColor(Qt::black))
        o.insert(QLatin1String("renk"), n.renk.name());
    if (n.zemin.isValid())
        o.insert(QLatin1String("zemin"), n.zemin.name());
    if (n.tur == RaporNesnesi::Cizgi || n.tur == RaporNesnesi::Kutu || n.cerceve) {
        o.insert(QLatin1String("kalinlik"), n.kalinlik);
        if (n.stil != RaporNesnesi::Duz)
            o.insert(QLatin1String("stil"), n.stil == RaporNesnesi::Kesik ? QLatin1String("kesik")
                                                                          : QLatin1String("cift"));
    }
    if (n.tur == RaporNesnesi::Resim) {
        if (!n.alan.isEmpty())
            o.insert(QLatin1String("alan"), n.alan);
        if (!n.oranKoru)
            o.insert(QLatin1String("oranKoru"), false);
    }
    if (n.tur == RaporNesnesi::Barkod) {
        o.insert(QLatin1String("barkodTuru"), n.barkodTuru);
        if (!n.yaziGoster)
            o.insert(QLatin1String("yaziGoster"), false);
    }
    return o;
}

QJsonObject bantJson(const RaporBandi& b)
{
    QJsonObject o;
    o.insert(QLatin1String("tur"), bantTuruAdi(b.tur));
    if (!b.ad.isEmpty())
        o.insert(QLatin1String("ad"), b.ad);
    if (!b.veriSeti.isEmpty())
        o.insert(QLatin1String("veriSeti"), b.veriSeti);
    if (!b.anaAlan.isEmpty())
        o.insert(QLatin1String("anaAlan"), b.anaAlan);
    if (!b.detayAlan.isEmpty())
        o.insert(QLatin1String("detayAlan"), b.detayAlan);
    if (!b.sirala.isEmpty())
        o.insert(QLatin1String("sirala"), b.sirala);
    if (!b.kosul.isEmpty())
        o.insert(QLatin1String("kosul"), b.kosul);
    o.insert(QLatin1String("yukseklik"), b.yukseklik);
    if (!b.gorunur.isEmpty())
        o.insert(QLatin1String("gorunur"), b.gorunur);
    QJsonArray nesneler;
    for (const RaporNesnesi& n : b.nesneler)
        nesneler.append(nesneJson(n));
    if (!nesneler.isEmpty())
        o.insert(QLatin1String("nesneler"), nesneler);
    QJsonArray alt;
    for (const RaporBandi& a : b.bantlar)
        alt.append(bantJson(a));
    if (!alt.isEmpty())
        o.insert(QLatin1String("bantlar"), alt);
    return o;
}
} // namespace

const RaporBandi* RaporBandi::altBant(BantTuru t) const
{
    for (const RaporBandi& b : bantlar)
        if (b.tur == t)
            return &b;
    return nullptr;
}

QString bantTuruAdi(BantTuru t)
{
    for (const BantAdi& a : bantAdlari)
        if (a.tur == t)
            return QLatin1String(a.ad);
    return {};
}

QString bantTuruBasligi(BantTuru t)
{
    for (const BantAdi& a : bantAdlari)
        if (a.tur == t)
            return QString::fromUtf8(a.baslik);
    return {};
}

QString nesneTuruAdi(RaporNesnesi::Tur t)
{
    return QLatin1String(nesneAdlari[t]);
}

bool RaporSablonu::jsondan(const QByteArray& json, RaporSablonu* sablon, QString* hata)
{
    QJsonParseError pe;
    const QJsonDocument d = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError || !d.isObject()) {
        if (hata)
            *hata = pe.error != QJsonParseError::NoError
                        ? QStringLiteral("%1 (konum %2)").arg(pe.errorString()).arg(pe.offset)
                        : QStringLiteral("Torvel rapor şablonu değil");
        return false;
    }
    RaporSablonu s;
    Okuyucu o;
    if (!o.sablon(d.object(), &s)) {
        if (hata)
            *hata = o.hata;
        return false;
    }
    *sablon = std::move(s);
    return true;
}

QByteArray RaporSablonu::json() const
{
    QJsonObject o;
    o.insert(QLatin1String("tur"), QLatin1String("TorvelRapor"));
    o.insert(QLatin1String("surum"), 1);
    if (!ad.isEmpty())
        o.insert(QLatin1String("ad"), ad);
    QJsonObject sayfa{{QLatin1String("genislik"), sayfaGenislik},
                      {QLatin1String("yukseklik"), sayfaYukseklik}};
    sayfa.insert(QLatin1String("kenar"), QJsonObject{{QLatin1String("sol"), solKenar},
                                                     {QLatin1String("ust"), ustKenar},
                                                     {QLatin1String("sag"), sagKenar},
                                                     {QLatin1String("alt"), altKenar}});
    if (etiketli())
        sayfa.insert(QLatin1String("etiket"), QJsonObject{{QLatin1String("sutun"), etiketSutun},
                                                          {QLatin1String("satir"), etiketSatir},
                                                          {QLatin1String("araX"), etiketAraX},
                                                          {QLatin1String("araY"), etiketAraY}});
    o.insert(QLatin1String("sayfa"), sayfa);
    o.insert(QLatin1String("yazi"), QJsonObject{{QLatin1String("aile"), yaziAilesi},
                                                {QLatin1String("boyut"), yaziBoyutu}});
    if (!degiskenler.isEmpty())
        o.insert(QLatin1String("degiskenler"), QJsonObject::fromVariantMap(degiskenler));
    QJsonArray b;
    for (const RaporBandi& bant : bantlar)
        b.append(bantJson(bant));
    o.insert(QLatin1String("bantlar"), b);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}
