#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TdokunmatikKlavye;

// The numeric entry dialog of the till and of every touch box that takes a number. The opener
// sets the caption (and the box text, when there is a current value), shows it modally and
// reads tartiSonuc: the accepted number, 0 after "İptal".
class TfrmTeraziManuelGiris : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmTeraziManuelGiris(QWidget* parent = nullptr);

    QLabel* lblBaslik = nullptr; // the caption, large, for a touch screen
    QLabel* lblAciklama = nullptr;
    QLineEdit* edtTartiSonuc = nullptr;
    TdokunmatikKlavye* klavye = nullptr;
    QPushButton* btnUygula = nullptr;
    QPushButton* btnIptal = nullptr;

    double tartiSonuc = 0;

    static constexpr int genislik = 460;
    static constexpr int yukseklik = 620;

public slots:
    void btnUygulaClick();
    void btnIptalClick();

protected:
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void ortala();
};
