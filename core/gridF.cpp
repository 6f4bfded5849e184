#include "core/gridF.h"

#include "core/bicim.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

// Gives every row of the grid one child row that holds its detail grid. The view spans the
// child over all columns; the rows themselves are those of the filtered, sorted grid model.
class DetayliModel : public QAbstractItemModel
{
public:
    DetayliModel(QAbstractItemModel* kaynak, QObject* parent)
        : QAbstractItemModel(parent), k(kaynak)
    {
        connect(k, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(k, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
        connect(k, &QAbstractItemModel::layoutAboutToBeChanged, this,
                [this] { beginResetModel(); });
        connect(k, &QAbstractItemModel::layoutChanged, this, [this] { endResetModel(); });
        connect(k, &QAbstractItemModel::rowsAboutToBeInserted, this,
                [this](const QModelIndex&, int a, int b) { beginInsertRows({}, a, b); });
        connect(k, &QAbstractItemModel::rowsInserted, this, [this] { endInsertRows(); });
        connect(k, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this](const QModelIndex&, int a, int b) { beginRemoveRows({}, a, b); });
        connect(k, &QAbstractItemModel::rowsRemoved, this, [this] { endRemoveRows(); });
        connect(k, &QAbstractItemModel::columnsAboutToBeInserted, this,
                [this] { beginResetModel(); });
        connect(k, &QAbstractItemModel::columnsInserted, this, [this] { endResetModel(); });
        connect(k, &QAbstractItemModel::columnsAboutToBeRemoved, this,
                [this] { beginResetModel(); });
        connect(k, &QAbstractItemModel::columnsRemoved, this, [this] { endResetModel(); });
        connect(k, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& a, const QModelIndex& b, const QList<int>& roller) {
                    emit dataChanged(index(a.row(), a.column()), index(b.row(), b.column()),
                                     roller);
                });
        connect(k, &QAbstractItemModel::headerDataChanged, this,
                &QAbstractItemModel::headerDataChanged);
    }

    int detayYuksekligi = 220;

    QModelIndex kaynakIndeksi(const QModelIndex& i) const
    {
        return i.isValid() && i.internalId() == 0 ? k->index(i.row(), i.column()) : QModelIndex();
    }
    static bool detaySatiri(const QModelIndex& i) { return i.isValid() && i.internalId() != 0; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override
    {
        if (!parent.isValid())
            return row >= 0 && row < k->rowCount() && column >= 0 && column < k->columnCount()
                       ? createIndex(row, column, quintptr(0))
                       : QModelIndex();
        if (parent.internalId() == 0 && row == 0 && column >= 0 && column < k->columnCount())
            return createIndex(0, column, quintptr(parent.row() + 1));
        return {};
    }
    QModelIndex parent(const QModelIndex& child) const override
    {
        if (!child.isValid() || child.internalId() == 0)
            return {};
        return createIndex(int(child.internalId() - 1), 0, quintptr(0));
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (!parent.isValid())
            return k->rowCount();
        return parent.internalId() == 0 && parent.column() == 0 ? 1 : 0;
    }
    int columnCount(const QModelIndex& = {}) const override { return k->columnCount(); }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (detaySatiri(i))
            return role == Qt::SizeHintRole ? QVariant(QSize(0, detayYuksekligi)) : QVariant();
        return k->data(kaynakIndeksi(i), role);
    }
    bool setData(const QModelIndex& i, const QVariant& v, int role) override
    {
        return !detaySatiri(i) && k->setData(kaynakIndeksi(i), v, role);
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        return detaySatiri(i) ? Qt::ItemIsEnabled : k->flags(kaynakIndeksi(i));
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        return k->headerData(s, o, role);
    }
    void sort(int column, Qt::SortOrder order) override { k->sort(column, order); }

private:
    QAbstractItemModel* k;
};

namespace
{
// Fixed row heights keep long lists fast and rows easy to touch.
class SatirTemsilcisi : public QStyledItemDelegate
{
public:
    SatirTemsilcisi(int* yukseklik, QObject* parent)
        : QStyledItemDelegate(parent), yukseklik(yukseklik)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        const QVariant ozel = i.data(Qt::SizeHintRole);
        if (ozel.isValid())
            return ozel.toSize();
        return QSize(QStyledItemDelegate::sizeHint(o, i).width(), *yukseklik);
    }

private:
    int* yukseklik;
};
} // namespace

Tgrid::Tgrid(QWidget* parent) : QWidget(parent)
{
    model_ = new GridModeli(this);
    view = new QTreeView(this);
    view->setModel(model_);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAlternatingRowColors(true);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->setItemDelegate(new SatirTemsilcisi(&satirYuksekligi, this));
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->header()->setStretchLastSection(true);
    view->header()->setSectionsMovable(false);
    view->header()->setMinimumHeight(36);
    view->installEventFilter(this);
    view->setObjectName(QStringLiteral("gridGorunum"));

    filtreSeridi = new QWidget(this);
    filtreSeridi->setObjectName(QStringLiteral("gridFiltreSeridi"));
    filtreSeridi->hide();
    altSerit = new QWidget(this);
    altSerit->setObjectName(QStringLiteral("gridAltSerit"));
    altSerit->hide();
    setStyleSheet(QStringLiteral("#gridGorunum::item { padding: 0 6px; }"
                                 "#gridFiltreSeridi { background: #F3F6FA; }"
                                 "#gridAltSerit { background: #EEF2F7; border-top: 1px solid "
                                 "#C9D3E0; }"
                                 "#gridAltSerit QLabel { font-weight: bold; padding: 0 6px; }"));

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(filtreSeridi);
    l->addWidget(view, 1);
    l->addWidget(altSerit);

    bosEtiket = new QLabel(QStringLiteral("Gösterilecek kayıt yok"), view->viewport());
    bosEtiket->setAlignment(Qt::AlignCenter);
    bosEtiket->setStyleSheet(QStringLiteral("color: #8A96A8; font-style: italic;"));
    bosEtiket->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto guncelle = [this] {
        altBilgiyiGuncelle();
        bosMetniGuncelle();
    };
    connect(model_, &QAbstractItemModel::modelReset, this, guncelle);
    connect(model_, &QAbstractItemModel::rowsInserted, this, guncelle);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, guncelle);
    connect(model_, &QAbstractItemModel::layoutChanged, this, guncelle);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { altBilgiyiGuncelle(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { sutunlariDuzenle(); });
    connect(model_, &QAbstractItemModel::columnsInserted, this, [this] { sutunlariDuzenle(); });
    connect(model_, &QAbstractItemModel::columnsRemoved, this, [this] { sutunlariDuzenle(); });

    QHeaderView* h = view->header();
    connect(h, &QHeaderView::sectionResized, this, [this] { seritleriYerlestir(); });
    connect(h, &QHeaderView::sectionMoved, this, [this] { seritleriYerlestir(); });
    connect(h, &QHeaderView::geometriesChanged, this, [this] { seritleriYerlestir(); });
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { seritleriYerlestir(); });
    connect(view, &QTreeView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!(detayModeli && i.model() == detayModeli && DetayliModel::detaySatiri(i)))
            emit satirCiftTiklandi(satirNo(i));
    });
    connect(view, &QTreeView::expanded, this, [this](const QModelIndex& i) {
        if (!detayModeli || !detayKaynagi)
            return;
        view->setFirstColumnSpanned(0, i, true);
        auto* g = new Tgrid;
        g->setSatirYuksekligi(qMax(28, satirYuksekligi - 8));
        g->setKaynak(detayKaynagi(i.row(), g));
        g->setSutunlar(detaySutunlari);
        view->setIndexWidget(detayModeli->index(0, 0, i), g);
    });
    connect(view, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
        if (detayModeli)
            view->setIndexWidget(detayModeli->index(0, 0, i), nullptr);
    });
    bosMetniGuncelle();
}

Tgrid::~Tgrid()
{
    // The view and its header outlive the strips while the children are torn down.
    view->header()->disconnect(this);
    view->horizontalScrollBar()->disconnect(this);
    model_->disconnect(this);
}

void Tgrid::setKaynak(QAbstractItemModel* kaynak)
{
    model_->setSourceModel(kaynak);
    if (view->selectionModel())
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &Tgrid::satirDegisti, Qt::UniqueConnection);
    sutunlariDuzenle();
    altBilgiyiGuncelle();
    bosMetniGuncelle();
}

void Tgrid::satirDegisti(const QModelIndex& yeni, const QModelIndex& eski)
{
    // Leaving a row posts what was changed in it, also when no editor was open (check boxes).
    if (eski.isValid() && satirNo(yeni) != satirNo(eski))
        model_->submit();
    emit aktifSatirDegisti(satirNo(view->currentIndex()));
}

QAbstractItemModel* Tgrid::kaynak() const
{
    return model_->sourceModel();
}

void Tgrid::setSutunlar(const QList<GridSutun>& sutunlar)
{
    model_->setSutunlar(sutunlar);
    sutunlariDuzenle();
}

void Tgrid::sutunlariDuzenle()
{
    QHeaderView* h = view->header();
    const QList<GridSutun>& s = model_->sutunlar();
    // Columns appear in the order they were given, whatever the source order is.
    for (int i = 0; i < s.size(); ++i) {
        const int mantiksal = model_->sutunNo(s[i].alan);
        if (mantiksal < 0)
            continue;
        const int gorsel = h->visualIndex(mantiksal);
        int hedef = 0;
        for (int j = 0; j < i; ++j)
            hedef += model_->sutunNo(s[j].alan) >= 0 ? 1 : 0;
        if (gorsel != hedef)
            h->moveSection(gorsel, hedef);
        if (s[i].genislik > 0)
            h->resizeSection(mantiksal, s[i].genislik);
    }
    if (s.isEmpty() ||
        std::any_of(s.begin(), s.end(), [](const GridSutun& c) { return c.genislik == 0; }))
        for (int c = 0; c < model_->columnCount(); ++c) {
            const GridSutun* b = model_->sutunBilgisi(c);
            // The last column takes what is left of the width.
            if (h->visualIndex(c) == model_->columnCount() - 1 && h->stretchLastSection())
                continue;
            if (!b || b->genislik == 0)
                view->resizeColumnToContents(c);
        }
    filtreSatiriniKur();
    altBilgiyiKur();
}

void Tgrid::setFiltreSatiri(bool goster, const QString& istemMetni)
{
    istem = istemMetni;
    filtreSeridi->setVisible(goster);
    filtreSatiriniKur();
}

void Tgrid::setAltBilgi(bool goster)
{
    altSerit->setVisible(goster);
    altBilgiyiKur();
}

void Tgrid::setBosMetin(const QString& metin)
{
    bosEtiket->setText(metin);
}

void Tgrid::setSatirYuksekligi(int piksel)
{
    satirYuksekligi = piksel;
    view->doItemsLayout();
}

void Tgrid::filtreSatiriniKur()
{
    qDeleteAll(filtreKutulari);
    filtreKutulari.clear();
    if (!filtreSeridi->isVisible() && filtreSeridi->isHidden())
        return;
    for (int c = 0; c < model_->columnCount(); ++c) {
        auto* e = new QLineEdit(filtreSeridi);
        const GridSutun* b = model_->sutunBilgisi(c);
        const QString alan =
            b ? b->alan : model_->sourceModel()->headerData(c, Qt::Horizontal).toString();
        e->setPlaceholderText(istem);
        e->setClearButtonEnabled(true);
        e->setText(model_->sutunFiltresi(alan));
        e->setProperty("alan", alan);
        connect(e, &QLineEdit::textChanged, this,
                [this, alan](const QString& t) { model_->setSutunFiltresi(alan, t); });
        e->show();
        filtreKutulari << e;
    }
    filtreSeridi->setFixedHeight(filtreKutulari.isEmpty() ? 0 : 40);
    seritleriYerlestir();
}

void Tgrid::altBilgiyiKur()
{
    qDeleteAll(altEtiketler);
    altEtiketler.clear();
    if (altSerit->isHidden())
        return;
    for (int c = 0; c < model_->columnCount(); ++c) {
        auto* l = new QLabel(altSerit);
        l->setAlignment(
            model_->data(model_->index(0, c), Qt::TextAlignmentRole).isValid()
                ? Qt::Alignment(model_->data(model_->index(0, c), Qt::TextAlignmentRole).toInt())
                : Qt::AlignRight | Qt::AlignVCenter);
        if (const GridSutun* b = model_->sutunBilgisi(c))
            l->setAlignment(b->bicim == GridBicim::Metin ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
        l->show();
        altEtiketler << l;
    }
    altSerit->setFixedHeight(36);
    altBilgiyiGuncelle();
    seritleriYerlestir();
}

void Tgrid::seritleriYerlestir()
{
    QHeaderView* h = view->header();
    const int x0 = view->viewport()->geometry().left();
    auto yerlestir = [&](const QList<QWidget*>& parcalar, int yukseklik) {
        for (int c = 0; c < parcalar.size(); ++c) {
            if (h->isSectionHidden(c)) {
                parcalar[c]->hide();
                continue;
            }
            parcalar[c]->setGeometry(x0 + h->sectionViewportPosition(c) + 1, 2,
                                     h->sectionSize(c) - 2, yukseklik - 4);
            parcalar[c]->show();
        }
    };
    QList<QWidget*> f(filtreKutulari.begin(), filtreKutulari.end());
    QList<QWidget*> a(altEtiketler.begin(), altEtiketler.end());
    yerlestir(f, 40);
    yerlestir(a, 36);
}

void Tgrid::altBilgiyiGuncelle()
{
    for (int c = 0; c < altEtiketler.size(); ++c) {
        const GridSutun* b = model_->sutunBilgisi(c);
        altEtiketler[c]->setText(b ? model_->altBilgi(b->alan) : QString());
    }
}

QString Tgrid::altBilgiMetni(const QString& alan) const
{
    return model_->altBilgi(alan);
}

void Tgrid::bosMetniGuncelle()
{
    bosEtiket->setVisible(model_->rowCount() == 0);
    bosEtiket->setGeometry(view->viewport()->rect());
}

void Tgrid::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    bosMetniGuncelle();
    seritleriYerlestir();
}

void Tgrid::setDetay(DetayKaynagi kaynak, const QList<GridSutun>& sutunlar)
{
    detayKaynagi = std::move(kaynak);
    detaySutunlari = sutunlar;
    if (!detayModeli) {
        detayModeli = new DetayliModel(model_, this);
        view->setModel(detayModeli);
        view->setRootIsDecorated(true);
        view->setItemsExpandable(true);
        view->setUniformRowHeights(false);
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &Tgrid::satirDegisti, Qt::UniqueConnection);
    }
}

QModelIndex Tgrid::gorunumIndeksi(int satir, int sutun) const
{
    if (detayModeli)
        return detayModeli->index(satir, sutun);
    return model_->index(satir, sutun);
}

int Tgrid::satirNo(const QModelIndex& i) const
{
    if (!i.isValid())
        return -1;
    if (detayModeli && i.model() == detayModeli && DetayliModel::detaySatiri(i))
        return int(i.internalId() - 1);
    return i.row();
}

bool Tgrid::detayAcik(int satir) const
{
    return detayModeli && view->isExpanded(gorunumIndeksi(satir));
}

void Tgrid::detayAc(int satir, bool ac)
{
    if (detayModeli)
        view->setExpanded(gorunumIndeksi(satir), ac);
}

Tgrid* Tgrid::detayGridi(int satir) const
{
    if (!detayModeli)
        return nullptr;
    return qobject_cast<Tgrid*>(view->indexWidget(detayModeli->index(0, 0, gorunumIndeksi(satir))));
}

int Tgrid::aktifSatir() const
{
    return satirNo(view->currentIndex());
}

void Tgrid::setAktifSatir(int satir)
{
    const QModelIndex i = gorunumIndeksi(satir, qMax(0, view->currentIndex().column()));
    view->setCurrentIndex(i);
    view->scrollTo(i);
}

QVariant Tgrid::aktifDeger(const QString& alan) const
{
    const int s = aktifSatir();
    return s < 0 ? QVariant() : model_->deger(s, alan);
}

bool Tgrid::eventFilter(QObject* nesne, QEvent* olay)
{
    // While a cell is edited its editor has the keys, so this sees only keys for the list.
    if (nesne == view && olay->type() == QEvent::KeyPress && artimliArama) {
        auto* k = static_cast<QKeyEvent*>(olay);
        const QString t = k->text();
        const GridSutun* b = model_->sutunBilgisi(qMax(0, view->currentIndex().column()));
        const bool duzenlenir = b && b->duzenlenebilir;
        if (!duzenlenir && !t.isEmpty() && t.at(0).isPrint() &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // Typing finds the first row of the current column that begins with the text.
            if (!aramaZamani.isValid() || aramaZamani.elapsed() > 1200)
                aranan.clear();
            aranan += t;
            aramaZamani.restart();
            const int sutun = qMax(0, view->currentIndex().column());
            const int r = model_->aramaSatiri(sutun, aranan);
            if (r >= 0) {
                const QModelIndex i = gorunumIndeksi(r, sutun);
                view->setCurrentIndex(i);
                view->scrollTo(i);
            }
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}
