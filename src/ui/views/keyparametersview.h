#pragma once

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class KeyParametersView;
}
class QComboBox;

// The "Key parameters" tab: one row per inverter with five values that the
// user picks with the selectors cb0 to cb4. A redraw keeps the chosen sort
// order, the current row and the scroll position.
class KeyParametersView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSelectors = 5;

    explicit KeyParametersView(QWidget *parent = nullptr);
    ~KeyParametersView() override;

    // Redraws the table from the device records (display_key_parameters).
    void display();
    // Re-titles the five value columns (keyHeaderChange); the index is the changed selector's.
    void headerChange(int index);
    // Titles value column `column` (0 to 4) after its selector (keyHeaderChangeHelp);
    // a phase value keeps the title the column had.
    void headerChangeHelp(int column, QComboBox *selector);

private:
    int selectedCode(const QComboBox *selector) const;

    std::unique_ptr<Ui::KeyParametersView> m_ui;
    std::array<QComboBox *, kSelectors> m_selectors{};
};
