#pragma once

#include <QPair>
#include <QString>
#include <functional>
#include <optional>

class QSqlQueryModel;

// The SQL console: one statement typed by a technician, run on the program's database.

struct SqlSonucu {
    QString hata;             // the database's error text; empty on success
    bool sonucKumesi = false; // rows were returned into the model
    int etkilenen = -1;       // rows changed by a statement without a result
    QString not_;             // short note for a statement without a result
};

// Runs the statement: a result fills the model with its columns in order; a statement without
// one leaves the model empty. Nothing is started around it: each statement stands alone.
SqlSonucu sqlCalistir(QSqlQueryModel& model, const QString& sql);

// The console can change every row of every table, so only an administrator opens it: the
// logged-in one, or one who proves it with his login name and password when asked.
using KimlikSor = std::function<std::optional<QPair<QString, QString>>()>;
bool sqlKonsolIzni(const KimlikSor& kimlikSor);
