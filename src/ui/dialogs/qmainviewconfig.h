#pragma once

#include <QDialog>
#include <QPoint>
#include <QVector>
#include <memory>

namespace Ui {
class QMainViewConfigClass;
}
class Prompter;
class QCheckBox;
class QViewSize;

// The dashboard's fields, their order, the line heights, the recording
// interval and hours, and the plant factors. Apply stores them in app.ini and
// tells the window (setting_change()); Cancel drops the edits.
class QMainViewConfig : public QDialog
{
    Q_OBJECT

public:
    explicit QMainViewConfig(Prompter &prompter, QWidget *parent = nullptr);
    ~QMainViewConfig() override;

    QViewSize *viewSize() const { return m_viewSize; }

signals:
    void setting_change();

public slots:
    void click_all();
    void clear_all();
    void on_btnOK_clicked();
    void on_btnApply_clicked();
    void on_leMessage_textChanged(const QString &text);
    void on_leTitle_textChanged(const QString &text);
    void on_sbSaveInterval_valueChanged(int value);
    void on_sbCo2_valueChanged(double value);
    void on_sbMoney_valueChanged(double value);
    void on_sbStart_valueChanged(int value);
    void on_sbStop_valueChanged(int value);
    void on_rbAuto_clicked();
    void on_rbManual_clicked();
    void on_moneySymbol_currentIndexChanged(int index);
    void checkboxClicked();
    void applyEnable();
    void SeqItemChanged();
    void on_btnCancel_clicked();
    void on_btnDef_clicked();
    void default_show_or_hide();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The stored values into the widgets; Apply disabled.
    void load();
    // The field names into the arrangement table, each in its VIEW_SEQ cell.
    void fillArrangement();
    void checkAll(bool checked);
    // Stores everything; false (nothing stored) when the manual record hours are wrong.
    bool apply();
    QString arrangementSequence() const;

    std::unique_ptr<Ui::QMainViewConfigClass> m_ui;
    Prompter &m_prompter;
    QViewSize *m_viewSize;
    QVector<QCheckBox *> m_fieldBoxes;
    QPoint m_movingCell{-1, -1}; // the cell last selected in the arrangement (column, row)
};
