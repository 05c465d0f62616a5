#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QBackgroundDlgClass;
}
class Prompter;
class QListWidgetItem;

// Chooses the dashboard's background picture among the files of the
// application directory's background folder, adds and deletes pictures there.
class QBackgroundDlg : public QDialog
{
    Q_OBJECT

public:
    explicit QBackgroundDlg(Prompter &prompter, QWidget *parent = nullptr);
    ~QBackgroundDlg() override;

signals:
    void setBackGround(const QString &path);

public slots:
    void on_btnOK_clicked();
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void on_btnAdd_clicked();
    void on_btnClear_clicked();
    void on_btnDel_clicked();
    void itemClick(QListWidgetItem *item);

protected:
    void showEvent(QShowEvent *event) override;

private:
    static QString folder();
    QString selectedName() const;
    void preview(const QString &name);
    // Stores and shows the selected picture; false when none is selected or its file is gone.
    bool applySelection();

    std::unique_ptr<Ui::QBackgroundDlgClass> m_ui;
    Prompter &m_prompter;
};
