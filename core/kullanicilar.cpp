#include "core/kullanicilar.h"

#include "core/etkilesim.h"
#include "core/veritabani.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace
{
const QString varsayilanSilinemez = QStringLiteral("Varsayılan Kullanıcı Silinemez");
const QString alanlariDoldurun = QStringLiteral("Lütfen tüm gerekli alanları doldurunuz..");

// The default administrator cannot lose the flag, whatever was typed into the grid.
QSqlRecord yoneticiyiKoru(QSqlRecord r)
{
    if (r.value(QStringLiteral("id")).toString() == QLatin1String("1")) {
        r.setValue(QStringLiteral("admin"), 1);
        r.setGenerated(QStringLiteral("admin"), true);
    }
    return r;
}
} // namespace

KullaniciModeli::KullaniciModeli(QObject* parent) : QSqlTableModel(parent, myConn())
{
    setTable(QStringLiteral("user"));
    setEditStrategy(QSqlTableModel::OnRowChange);
    select();
}

bool KullaniciModeli::removeRows(int row, int count, const QModelIndex& parent)
{
    for (int r = row; r < row + count; ++r)
        if (record(r).value(QStringLiteral("id")).toString() == QLatin1String("1")) {
            bilgiMesaji(varsayilanSilinemez);
            return false;
        }
    return QSqlTableModel::removeRows(row, count, parent);
}

bool KullaniciModeli::updateRowInTable(int row, const QSqlRecord& values)
{
    QSqlRecord r = yoneticiyiKoru(values);
    // The primary key is needed to find the row; the base class adds it from the original.
    return QSqlTableModel::updateRowInTable(row, r);
}

bool KullaniciModeli::insertRowIntoTable(const QSqlRecord& values)
{
    return QSqlTableModel::insertRowIntoTable(yoneticiyiKoru(values));
}

bool KullaniciModeli::submit()
{
    return kaydet();
}

bool KullaniciModeli::kaydet()
{
    if (!isDirty())
        return true;
    if (submitAll())
        return true;
    qWarning("Kullanıcı kaydı: %s", qPrintable(lastError().text()));
    bilgiMesaji(alanlariDoldurun);
    revertAll();
    return false;
}

bool kullaniciSil(KullaniciModeli& model, int satir)
{
    if (satir < 0 || satir >= model.rowCount())
        return false;
    if (model.record(satir).value(QStringLiteral("id")).toString() == QLatin1String("1")) {
        bilgiMesaji(varsayilanSilinemez);
        return false;
    }
    if (!onayAl(QStringLiteral("Seçili Kullanıcı Kalıcı Olarak Silinecek. Eminmisiniz?")))
        return false;
    if (!model.removeRow(satir) || !model.submitAll()) {
        bilgiMesaji(alanlariDoldurun);
        model.revertAll();
        return false;
    }
    model.select();
    return true;
}

bool yetkiVer(int userid, int yetkiid)
{
    QSqlQuery q(myConn());
    q.prepare(
        QStringLiteral("select * from useryetki where yetkiid= :yetkiid and userid= :userid"));
    q.bindValue(QStringLiteral(":yetkiid"), yetkiid);
    q.bindValue(QStringLiteral(":userid"), userid);
    calistir(q);
    if (q.next())
        return false;
    q.finish();
    QSqlQuery ekle(myConn());
    ekle.prepare(
        QStringLiteral("insert into useryetki (yetkiid, userid) values (:yetkiid, :userid)"));
    ekle.bindValue(QStringLiteral(":yetkiid"), yetkiid);
    ekle.bindValue(QStringLiteral(":userid"), userid);
    calistir(ekle);
    return true;
}

void yetkiCikart(int useryetkiId)
{
    calistir(QStringLiteral("delete from useryetki where id=") + QString::number(useryetkiId));
}

bool tumYetkileriCikart(int userid)
{
    QSqlQuery var(myConn());
    var.prepare(QStringLiteral("select 1 from useryetki where userid= :userid"));
    var.bindValue(QStringLiteral(":userid"), userid);
    calistir(var);
    if (!var.next())
        return false;
    var.finish();
    if (!onayAl(QStringLiteral("Seçili kullanıcının tüm yetkileri silinecek..")))
        return false;
    QSqlQuery sil(myConn());
    sil.prepare(QStringLiteral("delete  from useryetki where userid= :userid"));
    sil.bindValue(QStringLiteral(":userid"), userid);
    calistir(sil);
    return true;
}

bool yoneticiDogrula(const QString& kullanici, const QString& sifre)
{
    QSqlQuery q(myConn());
    q.prepare(QStringLiteral("select 1 from user where user= :user and pass= :pass and admin=1"));
    q.bindValue(QStringLiteral(":user"), kullanici);
    q.bindValue(QStringLiteral(":pass"), sifre);
    return q.exec() && q.next();
}
