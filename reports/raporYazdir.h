#pragma once

#include "reports/raporMotoru.h"

#include <QList>
#include <QString>

class QPrinter;
class QWidget;
class TRapor;

// Prepares the report and prints it on the printer of that name, without a dialog. A name that
// is not installed here is reported with bilgiMesaji("Yazıcı bulunamadı: " + name) and nothing
// is printed: left alone, Qt would quietly print on another printer. True when the job went out.
bool dogrudanYazdir(TRapor& rapor, const QString& yaziciAdi);

// Prepares the report and prints it after the print dialog, which starts on the named printer
// when there is one. True when printed.
bool diyalogIleYazdir(TRapor& rapor, QWidget* ebeveyn, const QString& yaziciAdi = {});

// Prints laid-out pages on a printer the caller has chosen, each page at its own paper size
// (an endless receipt is as long as its content). Empty text when done, else the error.
QString sayfalariYazdir(QPrinter& yazici, const QList<RaporSayfasi>& sayfalar);
