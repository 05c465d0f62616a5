#pragma once

#include "db/database.h"
#include "device/devicemap.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class RealTimeView;
}
class NumberText;
class ParameterView;
class Prompter;
class QMyTreeWidget;
class QTreeWidgetItem;
class RealTimeDisplay;

// The "Real time data" tab: the inverter tree with its group buttons, and for
// the inverter picked in it the pages "Information" (with the line health of
// its address), "Real time display" and, behind the password, "Parameter
// configuration for devices".
class RealTimeView : public QWidget
{
    Q_OBJECT

public:
    enum Page { InformationPage, RealTimePage, ParameterPage };
    // Asks for the password; true when it was given.
    using PasswordCheck = std::function<bool()>;

    // The parameter page is put into its tab.
    RealTimeView(ParameterView *parameters, PasswordCheck passwordCheck, Prompter &prompter, const NumberText &numbers,
                 QWidget *parent = nullptr);
    ~RealTimeView() override;

    QMyTreeWidget *tree() const { return m_tree; }
    ParameterView *parameterView() const { return m_parameters; }
    RealTimeDisplay &realTimeDisplay() { return *m_display; }
    // The bus address of the picked online inverter, 0 for none.
    int selectedAddress() const { return m_selectedAddress; }

    void buildGroupInverter();
    void inverterClick(QTreeWidgetItem *item, int column);
    // The tree's current item counts as clicked.
    void recvTreeItemChange();
    void showRealtimeData();
    // Keeps a page selected only when it may be shown.
    void subTabChange(int index);
    void showInformationPage();

    void addGroup();
    void deleteGroup();
    void deleteInverter();
    void upGroup();
    void downGroup();

    // Takes a polling cycle's records (the window rebuilds the tree when their
    // number changed): the live values, the parameter values and the line health.
    void refresh(const DeviceSnapshot &devices);

signals:
    // The real-time display showed an inverter's energy of today, in kWh.
    void todayEnergyShown(double kWh);

signals:
    // The user deleted the inverter with this serial number and its history.
    void inverterDeleted(const QString &serial);

private:
    void showInformation(const QTreeWidgetItem *item, const DbRow &row);
    // The line health of the information page's inverter, as the last cycle left it.
    void showLineHealth();
    void clearSelection(const QTreeWidgetItem *item);

    std::unique_ptr<Ui::RealTimeView> m_ui;
    QMyTreeWidget *m_tree;
    ParameterView *m_parameters;
    std::unique_ptr<RealTimeDisplay> m_display;
    PasswordCheck m_passwordCheck;
    Prompter &m_prompter;
    const NumberText &m_numbers;
    DeviceSnapshot m_devices;
    int m_selectedAddress = 0;
    int m_infoAddress = 0; // of the inverter on the information page, online or not
};
