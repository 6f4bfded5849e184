#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class TdokunmatikKlavye;

// Who works at the till: pick a user, type the password on the screen keyboard.
// Creating the window logs the current user out.
class TloginForm : public QDialog
{
    Q_OBJECT
public:
    explicit TloginForm(QWidget* parent = nullptr);

    QComboBox* edtUser = nullptr;
    QLineEdit* edtpass = nullptr;
    TdokunmatikKlavye* tKeyboard = nullptr;
    QPushButton* cxButton1 = nullptr; // settings
    QPushButton* cxButton4 = nullptr; // numeric keyboard
    QPushButton* btn = nullptr;       // full keyboard
    QPushButton* btn21 = nullptr;     // "Giriş"
    QPushButton* btn1 = nullptr;      // "Kapat"

    void btn21Click();
    void btn1Click();
    void cxButton1Click();

    // Esc asks like "Kapat"; the window is only left by logging in or ending the program.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void kullanicilariYukle();
};
