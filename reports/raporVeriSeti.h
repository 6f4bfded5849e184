#pragma once

#include "core/gridModeli.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractItemModel;
class QSqlQuery;

// The rows a report reads under a dataset name. The source is a screen's query or model (read
// whole each time the report is prepared: reports are small) or a table kept in memory, such as
// the one-row totals of a list. The screen owns both the source and this object; a report only
// refers to it, and several names may refer to the same one.
class RaporVeriSeti
{
public:
    RaporVeriSeti() = default;
    explicit RaporVeriSeti(QSqlQuery* sorgu);
    explicit RaporVeriSeti(QAbstractItemModel* model);
    RaporVeriSeti(const QStringList& alanlar, const QList<QVariantList>& satirlar = {});

    // Replaces an in-memory table.
    void setSatirlar(const QStringList& alanlar, const QList<QVariantList>& satirlar);
    // A one-row in-memory table from field → value, e.g. {"satis": 1234.5}.
    void setSatir(const QVariantMap& satir);

    // Reads the source again; an in-memory table stays as it is.
    void oku();

    const QStringList& alanlar() const { return alanlar_; }
    // Column of a field, without regard to letter case; -1 when there is none.
    int alanNo(const QString& alan) const;
    int satirSayisi() const { return static_cast<int>(satirlar_.size()); }
    QVariant deger(int satir, int alan) const;
    QVariant deger(int satir, const QString& alan) const;

    // The grid's filter, applied to the rows the report sees ("preview with the grid's filter").
    void setFiltre(const GridFiltre& filtre) { filtre_ = filtre; }
    void filtreTemizle() { filtre_ = GridFiltre(); }
    const GridFiltre& filtre() const { return filtre_; }
    // The rows that pass the filter, in source order.
    QList<int> gorunenSatirlar() const;

private:
    QSqlQuery* sorgu = nullptr;
    QPointer<QAbstractItemModel> model;
    QStringList alanlar_;
    QList<QVariantList> satirlar_;
    GridFiltre filtre_;
};

// Puts a grid's filter on a dataset for as long as it lives, so the filter is taken off again
// however the preview ends.
class FiltreKoruyucu
{
public:
    FiltreKoruyucu(RaporVeriSeti& veriSeti, const GridFiltre& filtre) : vs(veriSeti)
    {
        vs.setFiltre(filtre);
    }
    ~FiltreKoruyucu() { vs.filtreTemizle(); }
    FiltreKoruyucu(const FiltreKoruyucu&) = delete;
    FiltreKoruyucu& operator=(const FiltreKoruyucu&) = delete;

private:
    RaporVeriSeti& vs;
};
