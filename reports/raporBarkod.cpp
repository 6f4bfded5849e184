#include "reports/raporBarkod.h"

#include <memory>
#include <zint.h>

namespace
{
struct ZintSilici {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using Sembol = std::unique_ptr<zint_symbol, ZintSilici>;

int eanKontrolBasamagi(const QString& govde)
{
    // Weights 3,1,3,... from the rightmost digit of the body.
    int toplam = 0;
    for (int i = 0; i < govde.size(); ++i) {
        const int d = govde.at(govde.size() - 1 - i).digitValue();
        toplam += (i % 2 == 0) ? 3 * d : d;
    }
    return (10 - toplam % 10) % 10;
}

Sembol kodla(int symbology, const QByteArray& veri, bool yazi, float yukseklik, QString* hata)
{
    Sembol s(ZBarcode_Create());
    s->symbology = symbology;
    s->input_mode = UNICODE_MODE;
    s->show_hrt = yazi ? 1 : 0;
    s->height = yukseklik;
    // Scanners want a quiet zone; EAN brings its own in zint, Code 128 does not.
    if (symbology == BARCODE_CODE128)
        s->whitespace_width = 10;
    const int r = ZBarcode_Encode(s.get(), reinterpret_cast<const unsigned char*>(veri.constData()),
                                  static_cast<int>(veri.size()));
    if (r >= ZINT_ERROR) {
        *hata = QString::fromUtf8(s->errtxt);
        return nullptr;
    }
    if (ZBarcode_Buffer_Vector(s.get(), 0) >= ZINT_ERROR || !s->vector) {
        *hata = QString::fromUtf8(s->errtxt);
        return nullptr;
    }
    return s;
}
} // namespace

bool eanGecerli(const QString& veri, int uzunluk)
{
    if (veri.size() != uzunluk && veri.size() != uzunluk - 1)
        return false;
    for (QChar c : veri)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    if (veri.size() == uzunluk - 1)
        return true;
    return eanKontrolBasamagi(veri.left(uzunluk - 1)) == veri.back().digitValue();
}

BarkodCizimi barkodOlustur(const QString& tur, const QString& veri, double genislikMm,
                           double yukseklikMm, bool yaziGoster)
{
    BarkodCizimi c;
    const QString v = veri.trimmed();
    if (v.isEmpty()) {
        c.uyari = QStringLiteral("barkod verisi boş");
        return c;
    }
    if (genislikMm <= 0 || yukseklikMm <= 0) {
        c.uyari = QStringLiteral("barkodun ölçüsü yok");
        return c;
    }

    int symbology = BARCODE_CODE128;
    c.tur = QStringLiteral("CODE128");
    const int eanUzunluk = tur == QLatin1String("EAN13")  ? 13
                           : tur == QLatin1String("EAN8") ? 8
                                                          : 0;
    if (eanUzunluk) {
        if (eanGecerli(v, eanUzunluk)) {
            // The full length carries its own check digit: let zint verify it too.
            symbology = v.size() == eanUzunluk ? BARCODE_EANX_CHK : BARCODE_EANX;
            c.tur = tur;
        } else {
            c.uyari =
                QStringLiteral("'%1' geçerli bir %2 değil, Code 128 basıldı")
                    .arg(v, eanUzunluk == 13 ? QStringLiteral("EAN-13") : QStringLiteral("EAN-8"));
        }
    }

    QString hata;
    const QByteArray veriUtf8 = v.toUtf8();
    Sembol s = kodla(symbology, veriUtf8, yaziGoster, 50.0f, &hata);
    if (!s) {
        c.tur.clear();
        c.uyari = QStringLiteral("'%1' barkod olarak basılamadı: %2").arg(v, hata);
        return c;
    }
    // Fill the width; then make the bars as tall as the object allows and scale uniformly,
    // so the digits are not squeezed.
    double olcek = genislikMm / s->vector->width;
    const double istenen = yukseklikMm / olcek;
    const double fark = istenen - s->vector->height;
    const float yeni = static_cast<float>(qMax(5.0, 50.0 + fark / 2.0));
    Sembol s2 = kodla(symbology, veriUtf8, yaziGoster, yeni, &hata);
    if (s2)
        s = std::move(s2);
    olcek = qMin(genislikMm / s->vector->width, yukseklikMm / s->vector->height);
    const double solBosluk = (genislikMm - s->vector->width * olcek) / 2.0;
    // zint draws one module as two vector units.
    c.modul = 2.0 * olcek;

    for (zint_vector_rect* r = s->vector->rectangles; r; r = r->next)
        c.cubuklar << QRectF(solBosluk + r->x * olcek, r->y * olcek, r->width * olcek,
                             r->height * olcek);
    for (zint_vector_string* t = s->vector->strings; t; t = t->next) {
        BarkodCizimi::Yazi y;
        y.metin = QString::fromUtf8(reinterpret_cast<const char*>(t->text));
        y.taban = QPointF(solBosluk + t->x * olcek, t->y * olcek);
        y.hiza = t->halign;
        y.boyut = t->fsize * olcek;
        c.yazilar << y;
    }
    return c;
}
