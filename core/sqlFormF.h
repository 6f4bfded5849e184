#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class Tgrid;

// The SQL console: one statement, its result as a grid.
class TsqlForm : public QDialog
{
    Q_OBJECT
public:
    explicit TsqlForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QSqlQueryModel* qGrd = nullptr;
    Tgrid* cxGrid1 = nullptr;
    QLabel* lblNot = nullptr;
    QPushButton* cxButton1 = nullptr; // "Çalıştır"
    QPushButton* btn = nullptr;       // "KAPAT"

    void cxButton1Click();
};

// Opens the console for an administrator only; anybody else is asked for an administrator's
// login name and password first.
void sqlKonsolunuAc(QWidget* parent);
