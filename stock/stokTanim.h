#pragma once

#include <QSqlTableModel>

// One of the lookup lists products refer to (birim, grup, marka: id, adi, aciklama), edited in
// place. Names are not required to be unique; a product whose unit, group or brand is deleted
// shows none until another is chosen.
class TanimListesi : public QSqlTableModel
{
    Q_OBJECT
public:
    TanimListesi(const QString& tablo, QObject* parent = nullptr);

    // Navigator: a new row below the last (a pending one is posted first); -1 when that failed.
    int yeniSatir();
    // Posts pending rows. A refusal of the database is shown and the rows stay as typed.
    bool kaydet();
    // Asks, then deletes the row. True when deleted.
    bool sil(int satir);
    void vazgec() { revertAll(); }

    bool submit() override { return kaydet(); }
};
