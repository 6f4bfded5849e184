#pragma once

#include <QSqlTableModel>
#include <QString>

// Users and their grants, as the administration window edits them.

// The users table, edited in place. The default administrator (id 1) keeps its flag and
// cannot be deleted; a row the database refuses is dropped with one message.
class KullaniciModeli : public QSqlTableModel
{
    Q_OBJECT
public:
    explicit KullaniciModeli(QObject* parent = nullptr);

    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    bool submit() override;
    // Posts a pending edit or insert; on failure tells the user and drops it. True when posted.
    bool kaydet();

protected:
    bool updateRowInTable(int row, const QSqlRecord& values) override;
    bool insertRowIntoTable(const QSqlRecord& values) override;
};

// "Sil": asks and deletes a user; the default administrator is refused. True when deleted.
bool kullaniciSil(KullaniciModeli& model, int satir);
// Grants a permission once; false when the user already has it.
bool yetkiVer(int userid, int yetkiid);
void yetkiCikart(int useryetkiId);
// Removes every grant of a user after asking; nothing is asked when he has none.
bool tumYetkileriCikart(int userid);

// True when the name and password belong to an administrator.
bool yoneticiDogrula(const QString& kullanici, const QString& sifre);
