#pragma once

#include "core/etkilesim.h"

#include <QList>
#include <QPair>
#include <QQueue>

// Scripted port for tests: answers questions from a queue and records every message.
// It installs itself for its lifetime and puts the previous port back afterwards.
class SenaryoEtkilesim : public Etkilesim
{
public:
    struct Kayit {
        TMesajTipi tip;
        QString metin;
        bool duz = false; // shown through the plain message box
    };

    SenaryoEtkilesim() { onceki = Etkilesim::kur(this); }
    ~SenaryoEtkilesim() override { Etkilesim::kur(onceki); }

    // Answers for the coming questions, in order; an unexpected question is answered "HAYIR".
    QQueue<bool> cevaplar;
    QList<Kayit> kayitlar;
    // Numbers for the coming numeric dialogs, in order; an unexpected one is cancelled (0).
    // Their captions and prefilled texts are kept apart from the messages above.
    QQueue<double> sayilar;
    QStringList sayiBasliklari;
    QStringList sayiOnMetinleri;

    bool mesaj(const QString& metin, TMesajTipi tip) override
    {
        kayitlar.append({tip, metin});
        if (tip != mtSoru)
            return false;
        return cevaplar.isEmpty() ? false : cevaplar.dequeue();
    }
    void duzMesaj(const QString& metin) override { kayitlar.append({mtBilgi, metin, true}); }
    double sayiGir(const QString& baslik, const QString& onMetin) override
    {
        sayiBasliklari << baslik;
        sayiOnMetinleri << onMetin;
        return sayilar.isEmpty() ? 0.0 : sayilar.dequeue();
    }

    // Return prices for the coming return-price dialogs; the products asked are kept.
    QQueue<double> iadeFiyatlari;
    QList<int> iadeSorulanlar;
    QList<QPair<int, int>> tonlar; // frequency, duration

    double iadeFiyatiSec(int stokId, const QString&) override
    {
        iadeSorulanlar << stokId;
        return iadeFiyatlari.isEmpty() ? 0.0 : iadeFiyatlari.dequeue();
    }
    void ton(int frekans, int sureMs) override { tonlar.append({frekans, sureMs}); }

    QStringList metinler() const
    {
        QStringList l;
        for (const Kayit& k : kayitlar)
            l << k.metin;
        return l;
    }

private:
    Etkilesim* onceki = nullptr;
};
