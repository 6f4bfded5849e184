#pragma once

#include <QApplication>

// The application object. A database error that no screen handled ends up here and is shown
// in the error box instead of ending the program in the middle of the shop's day.
class TorvelUygulama : public QApplication
{
    Q_OBJECT
public:
    TorvelUygulama(int& argc, char** argv);
    bool notify(QObject* alici, QEvent* olay) override;
};
