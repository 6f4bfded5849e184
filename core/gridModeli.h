#pragma once

#include <QColor>
#include <QList>
#include <QSortFilterProxyModel>
#include <QString>
#include <functional>

// The data side of the program's one list grid: columns with captions and display formats,
// per-column filters, footer sums and row colours over any table model (query results,
// editable tables, in-memory rows). Columns are named by their source field.

enum class GridBicim {
    Metin,
    Tamsayi,
    Sayi,      // 765,5
    Para,      // #,##0.00
    ParaTL,    // #,##0.00 ₺
    Tarih,     // dd.MM.yyyy
    TarihSaat, // dd.MM.yyyy HH:mm
    Onay       // check box: 1 = ticked, 0 or empty = not
};

enum class GridToplam { Yok, Topla, Say };

struct GridSutun {
    QString alan;   // field name in the source model (case-insensitive)
    QString baslik; // caption; the field name when empty
    GridBicim bicim = GridBicim::Metin;
    bool duzenlenebilir = false;
    int genislik = 0; // pixels; 0 = fit the contents
    GridToplam toplam = GridToplam::Yok;
};

// One filter condition of a column, as typed in the filter row.
// Text columns match a part of the shown text, without regard to Turkish letter case.
// Number, money and date columns take an operator: "=5", ">10", "<=2,5", "<>0"; plain text
// is an equality test for numbers and a prefix of the shown date.
struct GridKosul {
    QString alan;
    GridBicim bicim = GridBicim::Metin;
    QString metin;
};

// The filter of a grid as a value: it can be shown as text and applied to any row, so a
// printed list shows the same rows as the grid it was printed from.
class GridFiltre
{
public:
    QList<GridKosul> kosullar;

    bool bos() const { return kosullar.isEmpty(); }
    // "[stokadi] içerir 'süt' VE [satisfiyat1] > 10": what is shown under a printed list.
    QString metin() const;
    // Whether a row passes; deger gives the raw value of a field of that row.
    bool uyar(const std::function<QVariant(const QString& alan)>& deger) const;
    static bool kosulUyar(const GridKosul& k, const QVariant& deger);
};

// Formats a raw value as the grid shows it.
QString gridMetni(const QVariant& deger, GridBicim bicim);

class GridModeli : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit GridModeli(QObject* parent = nullptr);

    void setSutunlar(const QList<GridSutun>& sutunlar);
    const QList<GridSutun>& sutunlar() const { return sutunlar_; }
    // Proxy column of a configured field, -1 when the source has no such field.
    int sutunNo(const QString& alan) const;
    // The configuration of a proxy column; null for a source column that is not configured.
    const GridSutun* sutunBilgisi(int sutun) const;

    // Filter-row text of a column; empty removes its condition.
    void setSutunFiltresi(const QString& alan, const QString& metin);
    QString sutunFiltresi(const QString& alan) const;
    void filtreleriTemizle();
    // The find panel: rows where any shown column contains the text (Turkish letter case).
    void setGenelArama(const QString& metin);
    GridFiltre filtre() const;
    QString filtreMetni() const { return filtre().metin(); }

    // Sum (or count) of a column over the rows that pass the filter, and its footer text.
    double toplam(const QString& alan) const;
    QString altBilgi(const QString& alan) const;

    // Row colour by a rule over the row's fields; an invalid colour leaves the row plain.
    using RenkKurali = std::function<QColor(const std::function<QVariant(const QString&)>&)>;
    void setRenkKurali(RenkKurali kural);

    // Raw value of a field in a proxy row.
    QVariant deger(int satir, const QString& alan) const;
    // First proxy row from 'baslangic' whose shown text in 'sutun' begins with 'onEk'
    // (Turkish case-insensitive); -1 when none.
    int aramaSatiri(int sutun, const QString& onEk, int baslangic = 0) const;

    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void filtreDegisti();

protected:
    bool filterAcceptsRow(int kaynakSatir, const QModelIndex& kaynakUst) const override;
    bool filterAcceptsColumn(int kaynakSutun, const QModelIndex& kaynakUst) const override;
    bool lessThan(const QModelIndex& sol, const QModelIndex& sag) const override;

private:
    int kaynakSutunu(const QString& alan) const;
    int kaynakSutunNo(int sutun) const;
    const GridSutun* kaynakBilgisi(int kaynakSutun) const;
    QVariant kaynakDegeri(int kaynakSatir, const QString& alan) const;

    QList<GridSutun> sutunlar_;
    QList<GridKosul> kosullar_;
    QString genelArama;
    RenkKurali renkKurali;
};
