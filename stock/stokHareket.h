#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

class GridModeli;
class QSqlQueryModel;

// The totals of the movements tab, over the rows the grid shows. Prices are summed as stored,
// not multiplied by the quantity.
struct HareketToplamlari {
    double girenAdet = 0, girenTutar = 0; // rows with gckodu "G"
    double cikanAdet = 0, cikanTutar = 0; // all other rows
    double toplamTutar = 0;               // all rows

    double kalan() const { return girenAdet - cikanAdet; }
    QString girenMetni() const; // "10 / 120 TL"
    QString cikanMetni() const;
    QString toplamMetni() const; // "150 TL"
    QString kalanMetni() const;  // "7"
    // The heading of the card's first tab.
    QString baslikMetni() const;
};

// The movement lines of one product between two dates with their documents, and the deletion
// of a movement that is not a quick sale.
class StokHareketleri : public QObject
{
    Q_OBJECT
public:
    explicit StokHareketleri(QObject* parent = nullptr);

    QSqlQueryModel* model() const { return model_; }
    // Runs the movement query; a product without id (not stored yet) lists nothing.
    void listele(qint64 stokId, const QDateTime& tar1, const QDateTime& tar2);
    // Runs the last listing again.
    void yenile();

    static HareketToplamlari toplamlar(const GridModeli& gorunen);

    // "Sil" on a row of the grid (-1: none). Quick sales are refused; otherwise, after asking,
    // the movement's account lines, its line of this product and its payment go in one
    // transaction and the list is run again. True when deleted.
    bool sil(const GridModeli& gorunen, int satir);

private:
    QSqlQueryModel* model_ = nullptr;
    qint64 stokId_ = 0;
    QDateTime tar1_, tar2_;
};
