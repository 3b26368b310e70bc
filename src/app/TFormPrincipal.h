#pragma once
// The main window. For now a browser of the data module's tables, so the program is alive on
// the demo database; the menus, toolbar and sector screens come with the application shell.
#include <QMainWindow>

class QComboBox;
class QLabel;
class QTableView;
class TDM;
namespace data {
class DatasetModel;
}

class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPrincipal(QWidget *parent = nullptr);
    ~TFormPrincipal() override;
    // Binds the window to the data module once it exists (it is created after this window).
    void attach(TDM &dm);

private:
    void showTable(int index);
    TDM *dm_ = nullptr;
    QComboBox *tabelas_ = nullptr;
    QTableView *grade_ = nullptr;
    QLabel *total_ = nullptr;
    data::DatasetModel *model_ = nullptr;
};
