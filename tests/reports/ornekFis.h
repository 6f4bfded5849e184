#pragma once

#include "reports/rapor.h"

// A receipt as the till reads it: lines with the settings and totals on every row.
struct FisVerisi {
    RaporVeriSeti fis{QStringList{"id", "sirketAdi", "telNo", "adres", "stokadi", "Fiyat", "adet",
                                  "Toplam", "KDV", "toplamKdv", "kdvHaricToplam", "araToplam",
                                  "toplamIskonto", "genelToplam"}};
    RaporVeriSeti cari{QStringList{"cari_adi", "toplam_satis", "toplam_alis", "xMusteriBorclandi",
                                   "xMusteriOdemeYapti", "xBakiye"}};

    // The till's example: 2 × 10,00 and 1 × 5,00 with a discount of 1,00, at 10 % and 20 %.
    FisVerisi()
    {
        struct Satir {
            const char* ad;
            double fiyat, adet, iskonto;
            int kdv;
        };
        const Satir satirlar[] = {{"Şeker Küp 1 KG", 10, 2, 0, 10},
                                  {"Çaykur Rize Çayı", 5, 1, 1, 20}};
        double toplam = 0, iskonto = 0, kdv = 0;
        for (const Satir& s : satirlar) {
            const double t = s.fiyat * s.adet - s.iskonto;
            toplam += t;
            iskonto += s.iskonto;
            kdv += t * s.kdv / 100;
        }
        QList<QVariantList> r;
        int id = 1;
        for (const Satir& s : satirlar)
            r << QVariantList{id++,
                              QStringLiteral("Torvel Market"),
                              QStringLiteral("0312 555 12 34"),
                              QStringLiteral("Atatürk Cad. No: 12 Çankaya / ANKARA"),
                              QString::fromUtf8(s.ad),
                              s.fiyat,
                              s.adet,
                              s.fiyat * s.adet - s.iskonto,
                              s.kdv,
                              kdv,
                              toplam - kdv,
                              toplam + iskonto,
                              iskonto,
                              toplam};
        fis.setSatirlar(fis.alanlar(), r);
    }

    void bagla(TRapor& r)
    {
        r.veriSetiEkle(QStringLiteral("frxDsHsFis"), &fis);
        r.veriSetiEkle(QStringLiteral("frxDsHsFisTitle"), &fis);
        r.veriSetiEkle(QStringLiteral("frxDsHsCari"), &cari);
        r.veriSetiEkle(QStringLiteral("frxDsCariBakiye"), &cari);
    }
};
