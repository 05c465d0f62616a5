#pragma once

#include <QDialog>

namespace Ui {
class QProgessClass;
}
class QProgressIndicator;

// A small frameless window with a spinning indicator and one line of text,
// shown while something slow runs. It stays centred on its parent, and the
// indicator spins only while the window is shown.
class QProgressWin : public QDialog
{
    Q_OBJECT

public:
    explicit QProgressWin(QWidget *parent = nullptr);
    ~QProgressWin() override;

    void setText(const QString &text);
    QString text() const;
    QProgressIndicator *indicator() const { return m_indicator; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Ui::QProgessClass *m_ui;
    QProgressIndicator *m_indicator;
};
