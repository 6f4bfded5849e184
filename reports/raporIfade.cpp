#include "reports/raporIfade.h"

#include "core/bicim.h"

#include <QDateTime>
#include <cmath>

namespace
{
struct Simge {
    enum Tur { Son, Sayi, Metin, Ad, Isaret };
    Tur tur = Son;
    QString metin;
    double sayi = 0;
    int konum = 0;
};

bool adKarakteri(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

class Cozucu
{
public:
    explicit Cozucu(const QString& m) : kaynak(m) {}

    Ifade coz(QString* hata)
    {
        if (!simgele()) {
            *hata = hataMetni;
            return nullptr;
        }
        Ifade s = veya();
        if (s && simdiki().tur != Simge::Son)
            hataVer(QStringLiteral("beklenmeyen '%1'").arg(simdiki().metin));
        if (!hataMetni.isEmpty()) {
            *hata = hataMetni;
            return nullptr;
        }
        return s;
    }

private:
    bool simgele()
    {
        int i = 0;
        const int n = kaynak.size();
        while (i < n) {
            const QChar c = kaynak.at(i);
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Simge s;
            s.konum = i;
            if (c.isDigit()) {
                int j = i;
                while (j < n && kaynak.at(j).isDigit())
                    ++j;
                if (j + 1 < n && kaynak.at(j) == QLatin1Char('.') && kaynak.at(j + 1).isDigit()) {
                    ++j;
                    while (j < n && kaynak.at(j).isDigit())
                        ++j;
                }
                s.tur = Simge::Sayi;
                s.metin = kaynak.mid(i, j - i);
                s.sayi = s.metin.toDouble();
                i = j;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                // A doubled quote inside stands for the quote itself.
                QString m;
                int j = i + 1;
                bool kapandi = false;
                while (j < n) {
                    if (kaynak.at(j) == c) {
                        if (j + 1 < n && kaynak.at(j + 1) == c) {
                            m += c;
                            j += 2;
                            continue;
                        }
                        kapandi = true;
                        break;
                    }
                    m += kaynak.at(j++);
                }
                if (!kapandi) {
                    hataMetni = QStringLiteral("kapanmayan tırnak");
                    return false;
                }
                s.tur = Simge::Metin;
                s.metin = m;
                i = j + 1;
            } else if (adKarakteri(c)) {
                int j = i;
                while (j < n && adKarakteri(kaynak.at(j)))
                    ++j;
                s.tur = Simge::Ad;
                s.metin = kaynak.mid(i, j - i);
                i = j;
            } else {
                static const QStringList ikili = {QStringLiteral("<>"), QStringLiteral("!="),
                                                  QStringLiteral("<="), QStringLiteral(">=")};
                const QString iki = kaynak.mid(i, 2);
                s.tur = Simge::Isaret;
                if (ikili.contains(iki)) {
                    s.metin = iki == QLatin1String("!=") ? QStringLiteral("<>") : iki;
                    i += 2;
                } else if (QStringLiteral("+-*/=<>(),.").contains(c)) {
                    s.metin = c;
                    ++i;
                } else {
                    hataMetni = QStringLiteral("tanınmayan karakter '%1'").arg(c);
                    return false;
                }
            }
            simgeler.append(s);
        }
        Simge son;
        son.konum = n;
        simgeler.append(son);
        return true;
    }

    const Simge& simdiki() const { return simgeler.at(sira); }
    bool isaretMi(const char* m) const
    {
        return simdiki().tur == Simge::Isaret && simdiki().metin == QLatin1String(m);
    }
    bool kelimeMi(const char* m) const
    {
        return simdiki().tur == Simge::Ad &&
               simdiki().metin.compare(QLatin1String(m), Qt::CaseInsensitive) == 0;
    }
    void hataVer(const QString& m)
    {
        if (hataMetni.isEmpty())
            hataMetni = m;
    }
    void bekle(const char* m)
    {
        if (isaretMi(m))
            ++sira;
        else
            hataVer(QStringLiteral("'%1' bekleniyordu").arg(QLatin1String(m)));
    }

    static Ifade dugum(IfadeDugumu::Tur t, const QString& ad, std::vector<Ifade> ogeler)
    {
        auto d = std::make_shared<IfadeDugumu>();
        d->tur = t;
        d->ad = ad;
        d->ogeler = std::move(ogeler);
        return d;
    }

    Ifade veya()
    {
        Ifade sol = ve();
        while (sol && kelimeMi("or")) {
            ++sira;
            Ifade sag = ve();
            sol = sag ? dugum(IfadeDugumu::Ikili, QStringLiteral("or"), {sol, sag}) : nullptr;
        }
        return sol;
    }
    Ifade ve()
    {
        Ifade sol = degil();
        while (sol && kelimeMi("and")) {
            ++sira;
            Ifade sag = degil();
            sol = sag ? dugum(IfadeDugumu::Ikili, QStringLiteral("and"), {sol, sag}) : nullptr;
        }
        return sol;
    }
    Ifade degil()
    {
        if (kelimeMi("not")) {
            ++sira;
            Ifade x = degil();
            return x ? dugum(IfadeDugumu::Birli, QStringLiteral("not"), {x}) : nullptr;
        }
        return karsilastirma();
    }
    Ifade karsilastirma()
    {
        Ifade sol = toplam();
        static const QStringList islecler = {QStringLiteral("="),  QStringLiteral("<>"),
                                             QStringLiteral("<"),  QStringLiteral(">"),
                                             QStringLiteral("<="), QStringLiteral(">=")};
        if (sol && simdiki().tur == Simge::Isaret && islecler.contains(simdiki().metin)) {
            const QString isle = simdiki().metin;
            ++sira;
            Ifade sag = toplam();
            return sag ? dugum(IfadeDugumu::Ikili, isle, {sol, sag}) : nullptr;
        }
        return sol;
    }
    Ifade toplam()
    {
        Ifade sol = carpim();
        while (sol && (isaretMi("+") || isaretMi("-"))) {
            const QString isle = simdiki().metin;
            ++sira;
            Ifade sag = carpim();
            sol = sag ? dugum(IfadeDugumu::Ikili, isle, {sol, sag}) : nullptr;
        }
        return sol;
    }
    Ifade carpim()
    {
        Ifade sol = tekli();
        while (sol && (isaretMi("*") || isaretMi("/"))) {
            const QString isle = simdiki().metin;
            ++sira;
            Ifade sag = tekli();
            sol = sag ? dugum(IfadeDugumu::Ikili, isle, {sol, sag}) : nullptr;
        }
        return sol;
    }
    Ifade tekli()
    {
        if (isaretMi("-")) {
            ++sira;
            Ifade x = tekli();
            return x ? dugum(IfadeDugumu::Birli, QStringLiteral("-"), {x}) : nullptr;
        }
        if (isaretMi("+")) {
            ++sira;
            return tekli();
        }
        return birincil();
    }
    Ifade birincil()
    {
        const Simge s = simdiki();
        if (s.tur == Simge::Sayi || s.tur == Simge::Metin) {
            ++sira;
            auto d = std::make_shared<IfadeDugumu>();
            d->tur = IfadeDugumu::Sabit;
            d->deger = s.tur == Simge::Sayi ? QVariant(s.sayi) : QVariant(s.metin);
            return d;
        }
        if (isaretMi("(")) {
            ++sira;
            Ifade x = veya();
            bekle(")");
            return hataMetni.isEmpty() ? x : nullptr;
        }
        if (s.tur != Simge::Ad) {
            hataVer(s.tur == Simge::Son ? QStringLiteral("ifade eksik")
                                        : QStringLiteral("beklenmeyen '%1'").arg(s.metin));
            return nullptr;
        }
        ++sira;
        if (isaretMi("(")) {
            ++sira;
            std::vector<Ifade> ogeler;
            if (!isaretMi(")")) {
                for (;;) {
                    Ifade x = veya();
                    if (!x)
                        return nullptr;
                    ogeler.push_back(x);
                    if (!isaretMi(","))
                        break;
                    ++sira;
                }
            }
            bekle(")");
            if (!hataMetni.isEmpty())
                return nullptr;
            return dugum(IfadeDugumu::Islev, s.metin.toUpper(), std::move(ogeler));
        }
        if (isaretMi(".")) {
            ++sira;
            const Simge alan = simdiki();
            if (alan.tur != Simge::Ad && alan.tur != Simge::Metin) {
                hataVer(QStringLiteral("'%1.' sonrasında alan adı bekleniyordu").arg(s.metin));
                return nullptr;
            }
            ++sira;
            auto d = std::make_shared<IfadeDugumu>();
            d->tur = IfadeDugumu::Alan;
            d->veriSeti = s.metin;
            d->ad = alan.metin;
            return d;
        }
        if (s.metin.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            s.metin.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            auto d = std::make_shared<IfadeDugumu>();
            d->tur = IfadeDugumu::Sabit;
            d->deger = s.metin.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
            return d;
        }
        return dugum(IfadeDugumu::Ad, s.metin, {});
    }

    QString kaynak;
    QList<Simge> simgeler;
    int sira = 0;
    QString hataMetni;
};

bool sayiTuruMu(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool metinTuruMu(const QVariant& v)
{
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray;
}

QDateTime tarihDegeri(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QDateTime:
        return v.toDateTime();
    case QMetaType::QDate:
        return v.toDate().startOfDay();
    case QMetaType::QTime:
        return QDateTime(QDate::currentDate(), v.toTime());
    default:
        break;
    }
    QDateTime z = tarihOku(v);
    if (!z.isValid()) {
        const QDate g = QDate::fromString(v.toString(), QStringLiteral("yyyy-MM-dd"));
        if (g.isValid())
            z = g.startOfDay();
    }
    return z;
}

// Splits "#,##0.00 TL" into prefix, the number pattern and suffix.
bool sayiBicimiMi(const QString& b, QString* on, QString* cekirdek, QString* son)
{
    int bas = -1;
    for (int i = 0; i < b.size(); ++i)
        if (b.at(i) == QLatin1Char('#') || b.at(i) == QLatin1Char('0')) {
            bas = i;
            break;
        }
    if (bas < 0)
        return false;
    int bit = bas;
    while (bit < b.size() && QStringLiteral("#0,.").contains(b.at(bit)))
        ++bit;
    *on = b.left(bas);
    *cekirdek = b.mid(bas, bit - bas);
    *son = b.mid(bit);
    return true;
}
} // namespace

Ifade ifadeCoz(const QString& metin, QString* hata)
{
    QString h;
    Cozucu c(metin);
    Ifade s = c.coz(&h);
    if (hata)
        *hata = h;
    return s;
}

double sayiDegeri(const QVariant& deger, bool* tamam)
{
    bool ok = false;
    double d = 0;
    if (sayiTuruMu(deger)) {
        d = deger.toDouble();
        ok = true;
    } else if (metinTuruMu(deger)) {
        d = deger.toString().trimmed().toDouble(&ok);
    }
    if (tamam)
        *tamam = ok;
    return ok ? d : 0.0;
}

bool dogruMu(const QVariant& deger)
{
    if (!deger.isValid() || deger.isNull())
        return false;
    if (sayiTuruMu(deger))
        return deger.toDouble() != 0.0;
    if (metinTuruMu(deger)) {
        const QString s = deger.toString();
        return !s.isEmpty() && s != QLatin1String("0") &&
               s.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
    }
    return true;
}

int degerKarsilastir(const QVariant& a, const QVariant& b)
{
    const bool aBos = !a.isValid() || a.isNull();
    const bool bBos = !b.isValid() || b.isNull();
    bool sa = false, sb = false;
    double da = sayiDegeri(a, &sa), db = sayiDegeri(b, &sb);
    // An empty value meets a number as 0, so a missing discount compares like no discount.
    if (aBos && sb)
        sa = true, da = 0;
    if (bBos && sa)
        sb = true, db = 0;
    if (sa && sb) {
        if (std::abs(da - db) < 1e-9)
            return 0;
        return da < db ? -1 : 1;
    }
    return QString::compare(aBos ? QString() : degerMetni(a), bBos ? QString() : degerMetni(b));
}

QString bicimle(const QVariant& deger, const QString& bicim)
{
    if (!deger.isValid() || deger.isNull())
        return {};
    if (bicim.isEmpty())
        return degerMetni(deger);
    QString on, cekirdek, son;
    if (sayiBicimiMi(bicim, &on, &cekirdek, &son)) {
        bool tamam = false;
        double d = sayiDegeri(deger, &tamam);
        if (!tamam)
            return degerMetni(deger);
        const int nokta = cekirdek.indexOf(QLatin1Char('.'));
        const QString tam = nokta < 0 ? cekirdek : cekirdek.left(nokta);
        const QString ondalik = nokta < 0 ? QString() : cekirdek.mid(nokta + 1);
        const int enCok = ondalik.size();
        const int enAz = ondalik.count(QLatin1Char('0'));
        QLocale l = trLocale();
        if (!tam.contains(QLatin1Char(',')))
            l.setNumberOptions(QLocale::OmitGroupSeparator);
        // -0,00 looks like a fault on a receipt
        if (std::abs(d) < 0.5 * std::pow(10.0, -enCok))
            d = 0.0;
        QString s = l.toString(d, 'f', enCok);
        if (enCok > enAz) {
            const QChar ayrac = l.decimalPoint().at(0);
            int fazla = enCok - enAz;
            while (fazla-- > 0 && s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(ayrac))
                s.chop(1);
        }
        return on + s + son;
    }
    const QDateTime z = tarihDegeri(deger);
    if (!z.isValid())
        return degerMetni(deger);
    return trLocale().toString(z, bicim);
}

QString degerMetni(const QVariant& deger, const QString& bicim)
{
    if (!bicim.isEmpty())
        return bicimle(deger, bicim);
    if (!deger.isValid() || deger.isNull())
        return {};
    switch (deger.typeId()) {
    case QMetaType::Bool:
        return deger.toBool() ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    case QMetaType::Double:
    case QMetaType::Float:
        return sayiBicim(deger.toDouble());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        QLocale l = trLocale();
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l.toString(deger.toLongLong());
    }
    case QMetaType::QDate:
        return deger.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QTime:
        return deger.toTime().toString(QStringLiteral("HH:mm"));
    case QMetaType::QDateTime:
        return tarihGoster(deger.toDateTime());
    case QMetaType::QByteArray:
        return {};
    default:
        return deger.toString();
    }
}

QVariant ifadeHesapla(const IfadeDugumu& d, IfadeOrtami& ortam)
{
    auto arg = [&](size_t i) { return ifadeHesapla(*d.ogeler.at(i), ortam); };
    auto sayi = [&](const QVariant& v, bool* tamam) {
        if (!v.isValid() || v.isNull()) {
            *tamam = true;
            return 0.0;
        }
        const double x = sayiDegeri(v, tamam);
        if (!*tamam)
            ortam.hata(QStringLiteral("sayı değil: '%1'").arg(degerMetni(v)));
        return x;
    };

    switch (d.tur) {
    case IfadeDugumu::Sabit:
        return d.deger;
    case IfadeDugumu::Alan:
        return ortam.alan(d.veriSeti, d.ad);
    case IfadeDugumu::Ad:
        return ortam.ad(d.ad);
    case IfadeDugumu::Birli: {
        const QVariant x = arg(0);
        if (d.ad == QLatin1String("not"))
            return !dogruMu(x);
        bool t = false;
        const double v = sayi(x, &t);
        return t ? QVariant(-v) : QVariant();
    }
    case IfadeDugumu::Ikili: {
        const QString& isle = d.ad;
        if (isle == QLatin1String("and"))
            return dogruMu(arg(0)) && dogruMu(arg(1));
        if (isle == QLatin1String("or"))
            return dogruMu(arg(0)) || dogruMu(arg(1));
        const QVariant a = arg(0), b = arg(1);
        if (isle == QLatin1String("+") && (metinTuruMu(a) || metinTuruMu(b)))
            return degerMetni(a) + degerMetni(b);
        if (isle == QLatin1String("+") || isle == QLatin1String("-") ||
            isle == QLatin1String("*") || isle == QLatin1String("/")) {
            bool ta = false, tb = false;
            const double x = sayi(a, &ta), y = sayi(b, &tb);
            if (!ta || !tb)
                return {};
            switch (isle.at(0).toLatin1()) {
            case '+':
                return x + y;
            case '-':
                return x - y;
            case '*':
                return x * y;
            default:
                // Nothing to show rather than "inf" on paper.
                return y == 0.0 ? QVariant() : QVariant(x / y);
            }
        }
        const int k = degerKarsilastir(a, b);
        if (isle == QLatin1String("="))
            return k == 0;
        if (isle == QLatin1String("<>"))
            return k != 0;
        if (isle == QLatin1String("<"))
            return k < 0;
        if (isle == QLatin1String(">"))
            return k > 0;
        if (isle == QLatin1String("<="))
            return k <= 0;
        return k >= 0;
    }
    case IfadeDugumu::Islev:
        break;
    }

    QVariant sonuc;
    if (ortam.veriIslevi(d, &sonuc))
        return sonuc;

    const QString& ad = d.ad;
    const size_t n = d.ogeler.size();
    auto sayiOlsun = [&](size_t en, size_t enCok) {
        if (n < en || n > enCok) {
            const QString sayiMetni = en == enCok ? QStringLiteral("%1").arg(en)
                                                  : QStringLiteral("%1-%2").arg(en).arg(enCok);
            ortam.hata(QStringLiteral("%1: %2 değer bekleniyordu").arg(ad, sayiMetni));
            return false;
        }
        return true;
    };
    if (ad == QLatin1String("FORMAT")) {
        if (!sayiOlsun(2, 2))
            return {};
        return bicimle(arg(0), arg(1).toString());
    }
    if (ad == QLatin1String("IIF")) {
        if (!sayiOlsun(3, 3))
            return {};
        return dogruMu(arg(0)) ? arg(1) : arg(2);
    }
    if (ad == QLatin1String("ROUND")) {
        if (!sayiOlsun(1, 2))
            return {};
        bool t = false;
        const double x = sayi(arg(0), &t);
        const double kat = std::pow(10.0, n > 1 ? arg(1).toInt() : 0);
        return t ? QVariant(std::round(x * kat) / kat) : QVariant();
    }
    if (ad == QLatin1String("ABS")) {
        if (!sayiOlsun(1, 1))
            return {};
        bool t = false;
        const double x = sayi(arg(0), &t);
        return t ? QVariant(std::abs(x)) : QVariant();
    }
    if (ad == QLatin1String("UPPER") || ad == QLatin1String("LOWER") ||
        ad == QLatin1String("TRIM") || ad == QLatin1String("LEN")) {
        if (!sayiOlsun(1, 1))
            return {};
        const QString s = degerMetni(arg(0));
        if (ad == QLatin1String("UPPER"))
            return trBuyukHarf(s);
        if (ad == QLatin1String("LOWER"))
            return trKucukHarf(s);
        if (ad == QLatin1String("TRIM"))
            return s.trimmed();
        return static_cast<int>(s.size());
    }
    if (n == 0)
        return ortam.ad(ad); // DATE(), PAGE() ... are the names themselves
    ortam.hata(QStringLiteral("bilinmeyen işlev: %1").arg(ad));
    return {};
}

QList<MetinParcasi> metinCoz(const QString& metin, QString* hata)
{
    QList<MetinParcasi> parcalar;
    QString duz;
    const int n = metin.size();
    int i = 0;
    while (i < n) {
        const QChar c = metin.at(i);
        if (c != QLatin1Char('[')) {
            duz += c;
            ++i;
            continue;
        }
        if (i + 1 < n && metin.at(i + 1) == QLatin1Char('[')) {
            duz += c;
            i += 2;
            continue;
        }
        // The closing bracket is the first one outside quotes.
        int j = i + 1;
        QChar tirnak;
        while (j < n) {
            const QChar k = metin.at(j);
            if (!tirnak.isNull()) {
                if (k == tirnak)
                    tirnak = QChar();
            } else if (k == QLatin1Char('"') || k == QLatin1Char('\'')) {
                tirnak = k;
            } else if (k == QLatin1Char(']')) {
                break;
            }
            ++j;
        }
        if (j >= n) {
            if (hata)
                *hata = QStringLiteral("kapanmayan '[': %1").arg(metin.mid(i));
            return {};
        }
        const QString kaynak = metin.mid(i + 1, j - i - 1);
        QString h;
        Ifade ifade = ifadeCoz(kaynak, &h);
        if (!ifade) {
            if (hata)
                *hata = QStringLiteral("[%1]: %2").arg(kaynak, h);
            return {};
        }
        if (!duz.isEmpty())
            parcalar.append({duz, nullptr, {}});
        duz.clear();
        parcalar.append({{}, ifade, kaynak});
        i = j + 1;
    }
    if (!duz.isEmpty())
        parcalar.append({duz, nullptr, {}});
    if (hata)
        hata->clear();
    return parcalar;
}
