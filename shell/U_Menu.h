#pragma once

#include <QMainWindow>

class Fenetres;
class Programme;
class QLabel;

// The main window of both programs; the way into every other window.
class TF_Menu : public QMainWindow {
    Q_OBJECT
public:
    TF_Menu(Programme& programme, Fenetres& fenetres, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void FormCreate();
    void FormClose();

    Programme& prog;
    Fenetres& fenetres;
    QLabel* titre = nullptr;
};
