#pragma once

#include <QMainWindow>

class QLabel;
class QAction;
class TekKopyaKilidi;

// The main window: owns the connection, runs the start-up and offers every other screen.
class TmainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TmainForm(QWidget* parent = nullptr);

    // The start-up sequence; false when the program must end (no database, nobody logged in).
    bool FormCreate();
    void skinYukle();
    bool yetkileriAyarla();

    // The lock of this running copy, released before a restart so the new copy can take it.
    void kilitAyarla(TekKopyaKilidi* k) { kilit = k; }

    QLabel* sb = nullptr;           // status bar panel 0
    bool acilistaHizliSatis = true; // the till opens by itself at the first show

    // Menu and button handlers.
    void hizliSatisClick();
    void hizliSatisRaporlariClick();
    void stokKartlariClick();
    void tanimlarClick();
    void cariKartlariClick();
    void musteriListesiClick();
    void alisFaturalariClick();
    void satisFaturalariClick();
    void kasaIslemleriClick();
    void hizliSatisButonlariClick();
    void kullaniciAyarlariClick();
    void sirketBilgileriClick();
    void programAyarlariClick();
    void kullaniciDegistirClick();
    void hakkindaClick();
    void yardimClick();
    void yedekleClick();
    void geriYukleClick();
    void uzakBaglantiClick();
    void programiKapatClick();
    // Opens the till modally, maximised; at start behind the wait window.
    void hizliSatisAc(bool beklemeGoster);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void menuKur();
    QWidget* butonlariKur();

    bool ilkGosterim = true; // the form's tag: the till opens by itself only once
    bool cikisOnaylandi = false;
    TekKopyaKilidi* kilit = nullptr;
};

// The one main window of the running program (none in tests that build screens alone).
extern TmainForm* mainForm;
