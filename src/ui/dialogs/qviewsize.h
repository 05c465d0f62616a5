#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class QViewSizeClass;
}

// The heights of the dashboard's title and message lines, in pixels.
class QViewSize : public QWidget
{
    Q_OBJECT

public:
    explicit QViewSize(QWidget *parent = nullptr);
    ~QViewSize() override;

    int titlePixel() const;
    int msgPixel() const;
    // Shows stored heights without counting as an edit.
    void setPixels(int title, int message);

signals:
    void changed();

public slots:
    void on_titlePixel_valueChanged(int value);
    void on_msgPixel_valueChanged(int value);
    void on_btnDef_clicked();

private:
    std::unique_ptr<Ui::QViewSizeClass> m_ui;
};
