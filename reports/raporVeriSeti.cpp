#include "reports/raporVeriSeti.h"

#include <QAbstractItemModel>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

RaporVeriSeti::RaporVeriSeti(QSqlQuery* sorgu) : sorgu(sorgu)
{
    oku();
}

RaporVeriSeti::RaporVeriSeti(QAbstractItemModel* model) : model(model)
{
    oku();
}

RaporVeriSeti::RaporVeriSeti(const QStringList& alanlar, const QList<QVariantList>& satirlar)
    : alanlar_(alanlar), satirlar_(satirlar)
{
}

void RaporVeriSeti::setSatirlar(const QStringList& alanlar, const QList<QVariantList>& satirlar)
{
    alanlar_ = alanlar;
    satirlar_ = satirlar;
}

void RaporVeriSeti::setSatir(const QVariantMap& satir)
{
    setSatirlar(satir.keys(), {satir.values()});
}

void RaporVeriSeti::oku()
{
    if (sorgu) {
        alanlar_.clear();
        satirlar_.clear();
        const QSqlRecord kayit = sorgu->record();
        for (int i = 0; i < kayit.count(); ++i)
            alanlar_ << kayit.fieldName(i);
        if (!sorgu->isActive() || !sorgu->isSelect())
            return;
        // The screen may be showing this query: leave it on the row it was on.
        const int yer = sorgu->at();
        if (sorgu->isForwardOnly()) {
            while (sorgu->next()) {
                QVariantList satir;
                for (int i = 0; i < alanlar_.size(); ++i)
                    satir << sorgu->value(i);
                satirlar_ << satir;
            }
            return;
        }
        if (sorgu->first()) {
            do {
                QVariantList satir;
                for (int i = 0; i < alanlar_.size(); ++i)
                    satir << sorgu->value(i);
                satirlar_ << satir;
            } while (sorgu->next());
        }
        sorgu->seek(yer);
        return;
    }
    if (model) {
        alanlar_.clear();
        satirlar_.clear();
        // A model without a query says it can fetch more and never does: stop when nothing came.
        while (model->canFetchMore({})) {
            const int once = model->rowCount();
            model->fetchMore({});
            if (model->rowCount() == once)
                break;
        }
        const auto* sqlModel = qobject_cast<const QSqlQueryModel*>(model.data());
        const QSqlRecord kayit = sqlModel ? sqlModel->record() : QSqlRecord();
        for (int i = 0; i < model->columnCount(); ++i)
            alanlar_ << (i < kayit.count() ? kayit.fieldName(i)
                                           : model->headerData(i, Qt::Horizontal).toString());
        for (int r = 0; r < model->rowCount(); ++r) {
            QVariantList satir;
            for (int i = 0; i < alanlar_.size(); ++i)
                satir << model->data(model->index(r, i), Qt::EditRole);
            satirlar_ << satir;
        }
    }
}

int RaporVeriSeti::alanNo(const QString& alan) const
{
    for (int i = 0; i < alanlar_.size(); ++i)
        if (alanlar_.at(i).compare(alan, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RaporVeriSeti::deger(int satir, int alan) const
{
    if (satir < 0 || satir >= satirlar_.size())
        return {};
    const QVariantList& s = satirlar_.at(satir);
    return alan >= 0 && alan < s.size() ? s.at(alan) : QVariant();
}

QVariant RaporVeriSeti::deger(int satir, const QString& alan) const
{
    return deger(satir, alanNo(alan));
}

QList<int> RaporVeriSeti::gorunenSatirlar() const
{
    QList<int> sonuc;
    for (int r = 0; r < satirlar_.size(); ++r)
        if (filtre_.bos() || filtre_.uyar([&](const QString& a) { return deger(r, a); }))
            sonuc << r;
    return sonuc;
}
