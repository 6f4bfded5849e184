#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class QPushButton;

// On-screen touch keyboard. Its keys never take the focus: each press is delivered as a key
// event to the widget that has the keyboard focus, exactly as a hardware key would be.
class TdokunmatikKlavye : public QWidget
{
    Q_OBJECT
public:
    enum Duzen { NumPad, Standard };

    explicit TdokunmatikKlavye(QWidget* parent = nullptr);

    Duzen duzen() const { return duzen_; }
    void setDuzen(Duzen d);
    // Replaces the caption of a key (Qt::Key_Backspace -> "Silme", Qt::Key_Return -> "Giriş").
    void tusBasligiAyarla(int tus, const QString& baslik);
    QString tusBasligi(int tus) const;

    // Upper-case letters (Shift held down) or lower-case, in Turkish case rules.
    bool buyukHarfMi() const { return buyukHarf; }
    void setBuyukHarf(bool b);

    // The key of a layout, for the window that wants to reach it (null when not in the layout).
    QPushButton* tusDugmesi(int tus) const { return dugmeler.value(tus); }

signals:
    void tusaBasildi(int tus, const QString& metin);

private:
    struct Harf {
        QPushButton* dugme;
        QString buyuk;
    };

    void olustur();
    void bas(int tus, const QString& metin);
    QPushButton* dugmeYap(int tus, const QString& baslik, const char* tur);
    QString harfMetni(const QString& buyuk) const;
    void harfleriYaz();

    Duzen duzen_ = NumPad;
    bool buyukHarf = false;
    QHash<int, QString> basliklar;
    QHash<int, QPushButton*> dugmeler;
    QList<Harf> harfler;
};
