#pragma once

#include <QColor>

class QWidget;

// The frame of the program's own dialogs (messages, numeric entry): a white body under a
// coloured header, a light grey footer, rounded corners.
struct DialogCercevesi {
    QColor baslikRengi;
    int baslikYuksekligi = 50;
    int altYuksekligi = 90;

    static constexpr int koseYaricapi = 12;

    // Paints the frame on the whole of w; called from w's paintEvent.
    void ciz(QWidget* w) const;
    // Gives w its rounded shape; called from w's resizeEvent.
    static void maskele(QWidget* w);
};
