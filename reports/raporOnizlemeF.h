#pragma once

#include "core/gridModeli.h"
#include "reports/raporMotoru.h"

#include <QDialog>

class QLabel;
class QScrollArea;
class QToolButton;
class RaporVeriSeti;
class TRapor;

// The report preview: one page at a time, zoom, paging, printing with the print dialog and
// PDF export of the pages shown.
class TraporOnizleme : public QDialog
{
    Q_OBJECT
public:
    // Prepares the report at once; the pages stay as prepared while the window is open.
    explicit TraporOnizleme(TRapor& rapor, QWidget* parent = nullptr);
    // Pages laid out already; ad names the PDF file offered on export.
    TraporOnizleme(const QList<RaporSayfasi>& sayfalar, const QString& ad,
                   QWidget* parent = nullptr);

    int sayfa() const { return sayfaNo; } // 0-based
    int sayfaSayisi() const { return static_cast<int>(sayfalar.size()); }
    double yakinlik() const { return olcek; } // 1.0 = actual size
    QString durumMetni() const;               // "Sayfa 1 / 3"
    const QList<RaporSayfasi>& gosterilenSayfalar() const { return sayfalar; }

public slots:
    void sonrakiSayfa();
    void oncekiSayfa();
    void ilkSayfa();
    void sonSayfa();
    void yakinlastir();
    void uzaklastir();
    void sigdir();
    void yazdir();
    void pdfAktar();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void sayfaGoster();
    void setOlcek(double yeni);

    QList<RaporSayfasi> sayfalar;
    QString ad;
    int sayfaNo = 0;
    double olcek = 1.0;
    bool sigdirilmis = true;

    QScrollArea* alan = nullptr;
    QLabel* resim = nullptr;
    QLabel* lblSayfa = nullptr;
    QLabel* lblYakinlik = nullptr;
    QToolButton* btnOnceki = nullptr;
    QToolButton* btnSonraki = nullptr;
};

// Plain preview, modal.
void raporOnizle(TRapor& rapor, QWidget* ebeveyn = nullptr);
// Preview with the grid's filter: the rows the grid shows, and only those, are previewed; the
// filter comes off the dataset when the preview closes, so the grid's data is whole again.
void izgaraFiltresiyleOnizle(TRapor& rapor, RaporVeriSeti& veriSeti, const GridFiltre& filtre,
                             QWidget* ebeveyn = nullptr);
