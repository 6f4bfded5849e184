#pragma once

#include <QString>
#include <QStringList>

// The kinds of the program's own message dialog.
enum TMesajTipi { mtBilgi = 0, mtSoru = 1, mtHata = 2, mtUyari = 3 };

// The one way the rules reach the person at the till. The program installs the
// widget implementation; tests install a scripted one that answers from a queue.
class Etkilesim
{
public:
    virtual ~Etkilesim() = default;

    // The program's own modal dialog; true when "EVET" was pressed.
    virtual bool mesaj(const QString& metin, TMesajTipi tip) = 0;
    // The platform's plain message box, used where a routine bypasses the own dialog.
    virtual void duzMesaj(const QString& metin) = 0;

    static Etkilesim* aktif();
    // Installs the port; returns the one it replaces. Does not take ownership.
    static Etkilesim* kur(Etkilesim* yeni);
};

void bilgiMesaji(const QString& metin);
bool onayAl(const QString& metin);
void duzMesaj(const QString& metin);
