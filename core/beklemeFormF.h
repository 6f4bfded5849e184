#pragma once

#include <QWidget>

// Borderless "please wait" window shown while the till is being prepared.
class TbeklemeForm : public QWidget
{
    Q_OBJECT
public:
    explicit TbeklemeForm(QWidget* parent = nullptr);

    // Shows the window and lets it paint before the caller starts its slow work, which keeps
    // the event loop from running until it is done.
    void goster();

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void ortala();
};
