#pragma once

#include "device/devicemap.h"

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class KeyParametersView;
}
class NumberText;
class QComboBox;

// The "Key parameters" tab: one row per inverter with five values that the
// user picks with the selectors cb0 to cb4. A redraw keeps the chosen sort
// order, the current row and the scroll position.
class KeyParametersView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSelectors = 5;

    explicit KeyParametersView(const NumberText &numbers, QWidget *parent = nullptr);
    ~KeyParametersView() override;

    // Takes a polling cycle's records and redraws the table from them.
    void refresh(const DeviceSnapshot &devices);
    // Redraws the table from the records of the last cycle (display_key_parameters).
    void display();
    // Re-titles the five value columns (keyHeaderChange); the index is the changed selector's.
    void headerChange(int index);
    // Titles value column `column` (0 to 4) after its selector (keyHeaderChangeHelp);
    // a phase value keeps the title the column had.
    void headerChangeHelp(int column, QComboBox *selector);

private:
    int selectedCode(const QComboBox *selector) const;

    std::unique_ptr<Ui::KeyParametersView> m_ui;
    const NumberText &m_numbers;
    std::array<QComboBox *, kSelectors> m_selectors{};
    DeviceSnapshot m_devices;
};
