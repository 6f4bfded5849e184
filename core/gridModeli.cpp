#include "core/gridModeli.h"

#include "core/bicim.h"

#include <QCollator>
#include <QDateTime>
#include <cmath>

namespace
{

bool sayisal(GridBicim b)
{
    return b == GridBicim::Tamsayi || b == GridBicim::Sayi || b == GridBicim::Para ||
           b == GridBicim::ParaTL;
}

bool tarihli(GridBicim b)
{
    return b == GridBicim::Tarih || b == GridBicim::TarihSaat;
}

// Splits "<=2,5" into the operator and the rest; no operator gives "".
QString isleciAyir(const QString& metin, QString* kalan)
{
    static const char* isleçler[] = {">=", "<=", "<>", ">", "<", "="};
    const QString m = metin.trimmed();
    for (const char* i : isleçler) {
        const QString is = QString::fromLatin1(i);
        if (m.startsWith(is)) {
            *kalan = m.mid(is.size()).trimmed();
            return is;
        }
    }
    *kalan = m;
    return {};
}

template <typename T> bool karsilastir(const QString& isle, const T& a, const T& b)
{
    if (isle == QLatin1String(">="))
        return a >= b;
    if (isle == QLatin1String("<="))
        return a <= b;
    if (isle == QLatin1String("<>"))
        return a != b;
    if (isle == QLatin1String(">"))
        return a > b;
    if (isle == QLatin1String("<"))
        return a < b;
    return a == b;
}

const QCollator& trSiralama()
{
    static const QCollator c = [] {
        QCollator k(trLocale());
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(true);
        return k;
    }();
    return c;
}

} // namespace

QString gridMetni(const QVariant& deger, GridBicim bicim)
{
    if (deger.isNull() || !deger.isValid())
        return {};
    switch (bicim) {
    case GridBicim::Metin:
        return deger.toString();
    case GridBicim::Tamsayi:
        return trLocale().toString(deger.toLongLong());
    case GridBicim::Sayi:
        return sayiBicim(deger.toDouble());
    case GridBicim::Para:
        return paraBicim(deger.toDouble());
    case GridBicim::ParaTL:
        return paraTLBicim(deger.toDouble());
    case GridBicim::Tarih:
    case GridBicim::TarihSaat: {
        const QDateTime z =
            deger.userType() == QMetaType::QDateTime ? deger.toDateTime() : tarihOku(deger);
        if (!z.isValid())
            return deger.toString();
        return bicim == GridBicim::Tarih ? z.toString(QStringLiteral("dd.MM.yyyy"))
                                         : tarihGoster(z);
    }
    case GridBicim::Onay:
        return deger.toInt() == 1 ? QStringLiteral("✓") : QString();
    }
    return deger.toString();
}

bool GridFiltre::kosulUyar(const GridKosul& k, const QVariant& deger)
{
    if (k.metin.trimmed().isEmpty())
        return true;
    if (k.bicim == GridBicim::Onay) {
        const QString m = trKucukHarf(k.metin.trimmed());
        const bool isaretli = deger.toInt() == 1;
        const bool istenen =
            m == QLatin1String("1") || m == QStringLiteral("evet") || m == QStringLiteral("✓");
        return isaretli == istenen;
    }
    if (sayisal(k.bicim)) {
        QString kalan;
        const QString isle = isleciAyir(k.metin, &kalan);
        bool tamam = false;
        const double hedef = sayiOku(kalan, &tamam);
        if (tamam) {
            if (deger.isNull())
                return false;
            // Compare at cent precision so that "=0,1" finds 0.1 stored as a double.
            const qint64 a = std::llround(deger.toDouble() * 1000.0);
            const qint64 b = std::llround(hedef * 1000.0);
            return karsilastir(isle, a, b);
        }
    }
    if (tarihli(k.bicim)) {
        QString kalan;
        const QString isle = isleciAyir(k.metin, &kalan);
        const QDate hedef = QDate::fromString(kalan, QStringLiteral("dd.MM.yyyy"));
        if (!isle.isEmpty() && hedef.isValid()) {
            const QDateTime z = tarihOku(deger);
            return z.isValid() && karsilastir(isle, z.date(), hedef);
        }
        return gridMetni(deger, k.bicim).startsWith(k.metin.trimmed());
    }
    return trKucukHarf(gridMetni(deger, k.bicim)).contains(trKucukHarf(k.metin.trimmed()));
}

bool GridFiltre::uyar(const std::function<QVariant(const QString&)>& deger) const
{
    for (const GridKosul& k : kosullar)
        if (!kosulUyar(k, deger(k.alan)))
            return false;
    return true;
}

QString GridFiltre::metin() const
{
    QStringList parcalar;
    for (const GridKosul& k : kosullar) {
        const QString alan = QLatin1Char('[') + k.alan + QLatin1Char(']');
        QString kalan;
        const QString isle = isleciAyir(k.metin, &kalan);
        if (k.bicim == GridBicim::Metin)
            parcalar << alan + QStringLiteral(" içerir '") + k.metin.trimmed() + QLatin1Char('\'');
        else if (k.bicim == GridBicim::Onay)
            parcalar << alan + QStringLiteral(" = ") + k.metin.trimmed();
        else if (isle.isEmpty() && tarihli(k.bicim))
            parcalar << alan + QStringLiteral(" başlar '") + kalan + QLatin1Char('\'');
        else
            parcalar << alan + QLatin1Char(' ') + (isle.isEmpty() ? QStringLiteral("=") : isle) +
                            QLatin1Char(' ') + kalan;
    }
    return parcalar.join(QStringLiteral(" VE "));
}

GridModeli::GridModeli(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(Qt::EditRole);
}

void GridModeli::setSutunlar(const QList<GridSutun>& sutunlar)
{
    beginResetModel();
    sutunlar_ = sutunlar;
    endResetModel();
    invalidate();
}

int GridModeli::kaynakSutunu(const QString& alan) const
{
    const QAbstractItemModel* k = sourceModel();
    if (!k)
        return -1;
    for (int c = 0; c < k->columnCount(); ++c)
        if (k->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                .toString()
                .compare(alan, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

const GridSutun* GridModeli::kaynakBilgisi(int kaynakSutun) const
{
    const QAbstractItemModel* k = sourceModel();
    if (!k || kaynakSutun < 0)
        return nullptr;
    const QString ad = k->headerData(kaynakSutun, Qt::Horizontal, Qt::DisplayRole).toString();
    for (const GridSutun& s : sutunlar_)
        if (s.alan.compare(ad, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

int GridModeli::sutunNo(const QString& alan) const
{
    const int k = kaynakSutunu(alan);
    if (k < 0 || !filterAcceptsColumn(k, {}))
        return -1;
    int n = 0;
    for (int c = 0; c < k; ++c)
        n += filterAcceptsColumn(c, {}) ? 1 : 0;
    return n;
}

int GridModeli::kaynakSutunNo(int sutun) const
{
    int n = -1;
    for (int c = 0; sourceModel() && c < sourceModel()->columnCount(); ++c)
        if (filterAcceptsColumn(c, {}) && ++n == sutun)
            return c;
    return -1;
}

const GridSutun* GridModeli::sutunBilgisi(int sutun) const
{
    if (!sourceModel() || sutun < 0 || sutun >= columnCount())
        return nullptr;
    return kaynakBilgisi(kaynakSutunNo(sutun));
}

void GridModeli::setSutunFiltresi(const QString& alan, const QString& metin)
{
    for (int i = 0; i < kosullar_.size(); ++i)
        if (kosullar_[i].alan.compare(alan, Qt::CaseInsensitive) == 0) {
            if (kosullar_[i].metin == metin)
                return;
            kosullar_.removeAt(i);
            break;
        }
    if (!metin.trimmed().isEmpty()) {
        GridKosul k{alan, GridBicim::Metin, metin};
        if (const GridSutun* s = kaynakBilgisi(kaynakSutunu(alan)))
            k.bicim = s->bicim;
        kosullar_.append(k);
    }
    invalidateFilter();
    emit filtreDegisti();
}

QString GridModeli::sutunFiltresi(const QString& alan) const
{
    for (const GridKosul& k : kosullar_)
        if (k.alan.compare(alan, Qt::CaseInsensitive) == 0)
            return k.metin;
    return {};
}

void GridModeli::filtreleriTemizle()
{
    if (kosullar_.isEmpty())
        return;
    kosullar_.clear();
    invalidateFilter();
    emit filtreDegisti();
}

void GridModeli::setGenelArama(const QString& metin)
{
    const QString yeni = trKucukHarf(metin.trimmed());
    if (yeni == genelArama)
        return;
    genelArama = yeni;
    invalidateFilter();
    emit filtreDegisti();
}

GridFiltre GridModeli::filtre() const
{
    GridFiltre f;
    f.kosullar = kosullar_;
    return f;
}

QVariant GridModeli::kaynakDegeri(int kaynakSatir, const QString& alan) const
{
    const int c = kaynakSutunu(alan);
    if (c < 0)
        return {};
    return sourceModel()->data(sourceModel()->index(kaynakSatir, c), Qt::EditRole);
}

QVariant GridModeli::deger(int satir, const QString& alan) const
{
    const QModelIndex i = mapToSource(index(satir, 0));
    return i.isValid() ? kaynakDegeri(i.row(), alan) : QVariant();
}

double GridModeli::toplam(const QString& alan) const
{
    const int c = kaynakSutunu(alan);
    const GridSutun* s = kaynakBilgisi(c);
    if (s && s->toplam == GridToplam::Say)
        return rowCount();
    if (c < 0)
        return 0.0;
    double t = 0.0;
    for (int r = 0; r < rowCount(); ++r)
        t += sourceModel()
                 ->data(sourceModel()->index(mapToSource(index(r, 0)).row(), c), Qt::EditRole)
                 .toDouble();
    return t;
}

QString GridModeli::altBilgi(const QString& alan) const
{
    const GridSutun* s = kaynakBilgisi(kaynakSutunu(alan));
    if (!s || s->toplam == GridToplam::Yok)
        return {};
    const double t = toplam(alan);
    if (s->toplam == GridToplam::Say || s->bicim == GridBicim::Metin ||
        s->bicim == GridBicim::Tamsayi)
        return sayiBicim(t);
    return gridMetni(t, s->bicim);
}

void GridModeli::setRenkKurali(RenkKurali kural)
{
    renkKurali = std::move(kural);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

int GridModeli::aramaSatiri(int sutun, const QString& onEk, int baslangic) const
{
    if (onEk.isEmpty())
        return -1;
    const QString aranan = trKucukHarf(onEk);
    for (int r = qMax(0, baslangic); r < rowCount(); ++r)
        if (trKucukHarf(data(index(r, sutun), Qt::DisplayRole).toString()).startsWith(aranan))
            return r;
    return -1;
}

QVariant GridModeli::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const QModelIndex k = mapToSource(index);
    const GridSutun* s = kaynakBilgisi(k.column());
    const GridBicim b = s ? s->bicim : GridBicim::Metin;
    switch (role) {
    case Qt::DisplayRole:
        if (b == GridBicim::Onay)
            return {};
        return gridMetni(sourceModel()->data(k, Qt::EditRole), b);
    case Qt::CheckStateRole:
        if (b != GridBicim::Onay)
            return {};
        return sourceModel()->data(k, Qt::EditRole).toInt() == 1 ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        if (sayisal(b))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (b == GridBicim::Onay)
            return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (renkKurali) {
            const int satir = k.row();
            const QColor c = renkKurali(
                [this, satir](const QString& alan) { return kaynakDegeri(satir, alan); });
            if (c.isValid())
                return c;
        }
        return sourceModel()->data(k, role);
    default:
        return sourceModel()->data(k, role);
    }
}

bool GridModeli::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const QModelIndex k = mapToSource(index);
    const GridSutun* s = kaynakBilgisi(k.column());
    if (s && s->bicim == GridBicim::Onay && role == Qt::CheckStateRole)
        return sourceModel()->setData(k, value.toInt() == Qt::Checked ? 1 : 0, Qt::EditRole);
    return QSortFilterProxyModel::setData(index, value, role);
}

QVariant GridModeli::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && sourceModel() && section >= 0 && section < columnCount()) {
        const int kaynak = kaynakSutunNo(section);
        if (role == Qt::DisplayRole) {
            const GridSutun* s = kaynakBilgisi(kaynak);
            if (s && !s->baslik.isEmpty())
                return s->baslik;
            return sourceModel()->headerData(kaynak, o, role);
        }
    }
    return QSortFilterProxyModel::headerData(section, o, role);
}

Qt::ItemFlags GridModeli::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
    const GridSutun* s = kaynakBilgisi(mapToSource(index).column());
    if (!s || !s->duzenlenebilir) {
        f &= ~Qt::ItemIsEditable;
        f &= ~Qt::ItemIsUserCheckable;
    } else if (s->bicim == GridBicim::Onay) {
        f |= Qt::ItemIsUserCheckable;
        f &= ~Qt::ItemIsEditable;
    } else {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool GridModeli::filterAcceptsRow(int kaynakSatir, const QModelIndex&) const
{
    for (const GridKosul& k : kosullar_)
        if (!GridFiltre::kosulUyar(k, kaynakDegeri(kaynakSatir, k.alan)))
            return false;
    if (genelArama.isEmpty())
        return true;
    const QAbstractItemModel* k = sourceModel();
    for (int c = 0; c < k->columnCount(); ++c) {
        if (!filterAcceptsColumn(c, {}))
            continue;
        const GridSutun* b = kaynakBilgisi(c);
        const QString metin = gridMetni(k->data(k->index(kaynakSatir, c), Qt::EditRole),
                                        b ? b->bicim : GridBicim::Metin);
        if (trKucukHarf(metin).contains(genelArama))
            return true;
    }
    return false;
}

bool GridModeli::filterAcceptsColumn(int kaynakSutun, const QModelIndex&) const
{
    return sutunlar_.isEmpty() || kaynakBilgisi(kaynakSutun) != nullptr;
}

bool GridModeli::lessThan(const QModelIndex& sol, const QModelIndex& sag) const
{
    const QVariant a = sourceModel()->data(sol, Qt::EditRole);
    const QVariant b = sourceModel()->data(sag, Qt::EditRole);
    bool sa = false, sb = false;
    const double da = a.toDouble(&sa), db = b.toDouble(&sb);
    if (sa && sb)
        return da < db;
    return trSiralama().compare(a.toString(), b.toString()) < 0;
}
