#include "core/sqlKonsol.h"

#include "core/etkilesim.h"
#include "core/kullanicilar.h"
#include "core/oturum.h"
#include "core/veritabani.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>

SqlSonucu sqlCalistir(QSqlQueryModel& model, const QString& sql)
{
    SqlSonucu s;
    QSqlDatabase db = myConn();
    if (!db.isOpen() && !db.open()) {
        s.hata = db.lastError().text();
        return s;
    }
    QSqlQuery q(db);
    if (!q.exec(sql.trimmed())) {
        s.hata = q.lastError().text();
        return s;
    }
    if (q.isSelect()) {
        model.setQuery(std::move(q));
        while (model.canFetchMore())
            model.fetchMore();
        s.sonucKumesi = true;
        return s;
    }
    model.clear();
    s.etkilenen = q.numRowsAffected();
    s.not_ = QStringLiteral("Komut çalıştırıldı. Etkilenen satır: ") +
             QString::number(qMax(0, s.etkilenen));
    return s;
}

bool sqlKonsolIzni(const KimlikSor& kimlikSor)
{
    if (aktifKullaniciId > 0 && yoneticiMi)
        return true;
    const auto kimlik = kimlikSor();
    if (!kimlik)
        return false;
    if (yoneticiDogrula(kimlik->first, kimlik->second))
        return true;
    bilgiMesaji(QStringLiteral("Yönetici adı veya şifresi hatalı.."));
    return false;
}
