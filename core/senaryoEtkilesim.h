#pragma once

#include "core/etkilesim.h"

#include <QList>
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

    bool mesaj(const QString& metin, TMesajTipi tip) override
    {
        kayitlar.append({tip, metin});
        if (tip != mtSoru)
            return false;
        return cevaplar.isEmpty() ? false : cevaplar.dequeue();
    }
    void duzMesaj(const QString& metin) override { kayitlar.append({mtBilgi, metin, true}); }

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
