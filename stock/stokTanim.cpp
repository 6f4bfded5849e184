#include "stock/stokTanim.h"

#include "core/etkilesim.h"
#include "core/veritabani.h"

#include <QSqlError>

TanimListesi::TanimListesi(const QString& tablo, QObject* parent) : QSqlTableModel(parent, myConn())
{
    setTable(tablo);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    setSort(fieldIndex(QStringLiteral("id")), Qt::AscendingOrder);
    select();
}

int TanimListesi::yeniSatir()
{
    if (!kaydet())
        return -1;
    const int satir = rowCount();
    return insertRow(satir) ? satir : -1;
}

bool TanimListesi::kaydet()
{
    if (!isDirty())
        return true;
    if (submitAll())
        return true;
    duzMesaj(lastError().text());
    return false;
}

bool TanimListesi::sil(int satir)
{
    if (satir < 0 || satir >= rowCount())
        return false;
    if (!onayAl(QStringLiteral("Seçili kayıt silinecek. Emin misiniz?")))
        return false;
    if (!removeRow(satir) || !kaydet()) {
        revertAll();
        return false;
    }
    return true;
}
