#pragma once

#include "core/gridModeli.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QTreeView;
class DetayliModel;

// The program's one list grid: a touch-sized table with captions and formats, an optional
// filter row with per-column filters, incremental search, footer sums, row colours, a detail
// grid under a row (master-detail) and a text for an empty list.
class Tgrid : public QWidget
{
    Q_OBJECT
public:
    explicit Tgrid(QWidget* parent = nullptr);
    ~Tgrid() override;

    // Source of the rows (query, editable table, in-memory model); not owned.
    void setKaynak(QAbstractItemModel* kaynak);
    QAbstractItemModel* kaynak() const;
    // Columns in the order shown; empty shows every column of the source in its order.
    void setSutunlar(const QList<GridSutun>& sutunlar);

    GridModeli* model() const { return model_; }
    QTreeView* gorunum() const { return view; }

    void setFiltreSatiri(bool goster,
                         const QString& istem = QStringLiteral("Filtrelemek için yazınız..."));
    void setAltBilgi(bool goster);
    void setBosMetin(const QString& metin);
    void setSatirYuksekligi(int piksel);
    void setArtimliArama(bool acik) { artimliArama = acik; }
    void setRenkKurali(GridModeli::RenkKurali kural) { model_->setRenkKurali(std::move(kural)); }
    // A detail grid under each row: the model of a row's details (owned by 'sahip') and its
    // columns. Rows open and close with a touch on their marker.
    using DetayKaynagi = std::function<QAbstractItemModel*(int satir, QObject* sahip)>;
    void setDetay(DetayKaynagi kaynak, const QList<GridSutun>& sutunlar);
    bool detayAcik(int satir) const;
    void detayAc(int satir, bool ac = true);
    Tgrid* detayGridi(int satir) const;

    QString filtreMetni() const { return model_->filtreMetni(); }
    GridFiltre filtre() const { return model_->filtre(); }

    // The current row in the grid's order (after filter and sort); -1 when none.
    int aktifSatir() const;
    void setAktifSatir(int satir);
    QVariant aktifDeger(const QString& alan) const;
    QString altBilgiMetni(const QString& alan) const;

signals:
    void aktifSatirDegisti(int satir);
    void satirCiftTiklandi(int satir);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void satirDegisti(const QModelIndex& yeni, const QModelIndex& eski);
    void filtreSatiriniKur();
    void altBilgiyiKur();
    void seritleriYerlestir();
    void altBilgiyiGuncelle();
    void bosMetniGuncelle();
    void sutunlariDuzenle();
    QModelIndex gorunumIndeksi(int satir, int sutun = 0) const;
    int satirNo(const QModelIndex& i) const;

    GridModeli* model_ = nullptr;
    DetayliModel* detayModeli = nullptr;
    QTreeView* view = nullptr;
    QWidget* filtreSeridi = nullptr;
    QWidget* altSerit = nullptr;
    QLabel* bosEtiket = nullptr;
    QList<QLineEdit*> filtreKutulari;
    QList<QLabel*> altEtiketler;
    QString istem;
    int satirYuksekligi = 40;
    bool artimliArama = true;
    QString aranan;
    QElapsedTimer aramaZamani;
    DetayKaynagi detayKaynagi;
    QList<GridSutun> detaySutunlari;
};
