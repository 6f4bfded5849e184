#pragma once

#include "core/etkilesim.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

// The program's own modal message dialog: information with "TAMAM", questions with "EVET"/"HAYIR".
// Results: QMessageBox::Ok for "TAMAM", QMessageBox::Yes for "EVET", QMessageBox::No for "HAYIR".
class TmesajForm : public QDialog
{
    Q_OBJECT
public:
    explicit TmesajForm(QWidget* parent = nullptr);

    void Ayarla(const QString& Mesaj, TMesajTipi Tip);

    QLabel* lblMesaj = nullptr;
    QLabel* lblBaslik = nullptr;
    QLabel* imgResim = nullptr;
    QPushButton* btn1 = nullptr;
    QPushButton* btn2 = nullptr;

    static constexpr int genislik = 550;
    static constexpr int yukseklik = 280;
    static constexpr int baslikYuksekligi = 50;
    static constexpr int altYuksekligi = 90;
    static constexpr int dugmeGenisligi = 160;
    static constexpr int dugmeYuksekligi = 62;
    static constexpr int dugmeAraligi = 24;

public slots:
    void btn1Click();
    void btn2Click();
    // Only the buttons end the dialog: Esc and the window manager's close do nothing.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void mesajYaziBoyutuAyarla(const QString& Mesaj);
    void ortala();

    QFrame* pnlBaslik = nullptr;
    QFrame* pnlAlt = nullptr;
    QColor baslikRengi;
};
