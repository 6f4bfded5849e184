#pragma once

#include "reports/raporMotoru.h"
#include "reports/raporSablon.h"
#include "reports/raporVeriSeti.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// A screen's report object: holds the template last loaded into it, the datasets it may read
// under their names, and lays out pages from them.
//
//   TRapor frxHsFis;
//   frxHsFis.setVarsayilanSablon(TRapor::perakendeFisSablonu());
//   frxHsFis.veriSetiEkle("frxDsHsFis", &dsFis);        // RaporVeriSeti dsFis{&qHsFis}
//   frxHsFis.veriSetiEkle("frxDsHsFisTitle", &dsFis);
//   frxHsFis.korumaliYukle("Raporlar\\perakende_fis.fr3");
//   ... dogrudanYazdir(frxHsFis, "POS58");               // reports/raporYazdir.h
class TRapor
{
public:
    TRapor() = default;
    TRapor(const TRapor&) = delete;
    TRapor& operator=(const TRapor&) = delete;

    // Guarded load: when the file is missing, bilgiMesaji(yol + " Dosyası bulunamadı..") with the
    // path exactly as given; a damaged file is ignored without a word and the report keeps the
    // layout it had. The screen stays usable either way.
    void korumaliYukle(const QString& yol);
    // Silent guarded load: loads only if the file is there; never a message.
    void sessizYukle(const QString& yol);
    // Unguarded load: empty text when loaded, else the error for the caller to show (and the
    // print stops there).
    [[nodiscard]] QString yukle(const QString& yol);

    bool yuklendi() const { return yuklu; }
    // The file the template came from (full path); empty for a built-in layout.
    QString dosyaYolu() const { return dosya; }

    // The layout used while no file has been loaded.
    void setVarsayilanSablon(const RaporSablonu& sablon);
    // The shipped receipt (Raporlar/perakende_fis.fr3), compiled into the program.
    static RaporSablonu perakendeFisSablonu();

    // The template in effect: the loaded one, else the built-in one, else a plain list of the
    // first dataset's fields.
    RaporSablonu sablon() const;
    // Replaces the template in effect (the designer's edits).
    void setSablon(const RaporSablonu& sablon);
    // Writes the template in effect to a file; empty text on success, else why not.
    [[nodiscard]] QString kaydet(const QString& yol) const;

    // Datasets by name; not owned. Several names may share one dataset.
    void veriSetiEkle(const QString& ad, RaporVeriSeti* veriSeti);
    RaporVeriSeti* veriSeti(const QString& ad) const;
    QStringList veriSetiAdlari() const { return adlar; }

    // Values of the template's variables, e.g. setDegisken("fisNo", "HS57").
    void setDegisken(const QString& ad, const QVariant& deger) { degiskenler.insert(ad, deger); }
    QVariant degisken(const QString& ad) const { return degiskenler.value(ad); }
    // The moment DATE and TIME show; invalid: now, at each preparation.
    void setZaman(const QDateTime& zaman) { this->zaman = zaman; }

    // Reads the datasets' sources again and lays out the pages.
    const QList<RaporSayfasi>& hazirla();
    const QList<RaporSayfasi>& sayfalar() const { return sonuc.sayfalar; }
    // Lays out another template over this report's data, leaving the report as it is (the
    // designer's live preview).
    RaporSonucu sablonlaHazirla(const RaporSablonu& sablon);
    // What did not work out in the last preparation (unknown fields, barcodes ...).
    const QStringList& uyarilar() const { return sonuc.uyarilar; }

    // Prepares and writes a PDF; empty text on success.
    [[nodiscard]] QString pdfKaydet(const QString& yol);
    // Prepares and writes one PNG per page (yol, then name-2.png ...); empty text on success.
    [[nodiscard]] QString pngKaydet(const QString& yol, int dpi = 203);

private:
    QString dosyadanOku(const QString& tamYol, RaporSablonu* s) const;
    RaporSablonu otomatikSablon() const;

    RaporSablonu yuklenen;
    RaporSablonu varsayilan;
    bool varsayilanVar = false;
    bool yuklu = false;
    QString dosya;

    QHash<QString, RaporVeriSeti*> veriSetleri;
    QStringList adlar;
    QVariantMap degiskenler;
    QDateTime zaman;
    RaporSonucu sonuc;
};
