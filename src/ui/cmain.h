#pragma once

#include "monitor/planttotals.h"
#include "ui/pageoutput.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

namespace Ui {
class CMainClass;
}
class DataExporter;
class LanguageMenus;
class MonitorControl;
class MonitoringSession;
class ProgramState;
class QComboBox;
class QTableWidgetItem;
class QTreeWidgetItem;
class RealTimeView;
struct WindowParts;

// The program's main window: the tab pages of the views, menus, tool bars and
// status bar around them, and the dialogs of the program, which it owns.
class CMain : public QMainWindow
{
    Q_OBJECT

public:
    enum Tab { MainTab, RealTimeTab, KeyParametersTab, ChartTab, EventListTab, DataLogTab, TabCount };

    // Monitors through the program's session, made by the start-up before the
    // window; without one the window makes its own. The window is assembled
    // from the program-wide state as it is at construction (the prompter
    // installed by then answers every question).
    explicit CMain(QWidget *parent = nullptr, MonitoringSession *session = nullptr);
    ~CMain() override;

    // The page of a history tab that the Export Data command writes out.
    void setDataExporter(Tab tab, DataExporter *exporter);
    PageOutput &pageOutput() { return m_pageOutput; }
    MonitorControl &monitorControl() { return *m_monitor; }
    RealTimeView *realTimeView() const;
    // The status bar's count of inverters that answer.
    static QString aliveText(int num);
    // The history summary of an earlier installation's readings being made: how far, in the status bar.
    void showHistoryFill(qint64 counted, qint64 total);

public slots:
    void menu_search_inverter();
    void menu_com_setting();
    void menu_exit();
    void menu_alarm();
    void menu_mainViewConfig();
    // Opens the line-health window (not modal) with the counts of the last cycle.
    void menu_line_health();
    void jump_view0();
    void jump_view1();
    void jump_view2();
    void jump_view3();
    void jump_view4();
    void jump_view5();
    void on_actionPrint_triggered();
    void on_actionExport_JPG_triggered();
    void start_monitor();
    void stop_monitor();
    void tabChange(int index);
    void addGroup();
    void inverterClick(QTreeWidgetItem *item, int column);
    void build_group_inverter();
    void show_realtime_data();
    void displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit,
                                QString tooltip);
    void displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit);
    void displayParameterAppend(QString text, QString tooltip);
    void realtime_subtab_change(int index);
    void display_device_parameter();
    void device_parameter_click(QTableWidgetItem *item);
    void save_device_parameter();
    void display_key_parameters();
    void deleteGroup();
    void deleteInverter();
    void upGroup();
    void downGroup();
    void queryDataLog();
    void queryEvent();
    void event_row_click(int row, int column);
    void query_graphic();
    void show_about();
    void update_main_screen(PlantTotals totals);
    void changeBackground(const QString &path);
    void on_actionBackground_Graphics_triggered();
    void display_earning(const QString &earning);
    void dispaly_co2Reduction(const QString &co2);
    void mainViewSettings();
    void mail_change(const QString &account, const QString &password, const QString &port, const QString &server,
                     const QString &sender);
    void t_search_end();
    void autoSearchHandler();
    void changeLanguageForMenu();
    void initSensorUI();
    void on_actionExportData_triggered();
    void exportEvent();
    void exportDataLogging();
    void exportDataGraphic();
    void saveDebug();
    void showCurrDateTime();
    void languageChangeForToolBar();
    void viewSequenceSetting();
    void keyHeaderChange(int index);
    void keyHeaderChangeHelp(int column, QComboBox *selector);
    void confWizardShow();
    QFont getHeaderFont();
    QFont getViewFont();
    QFont getMessageFont();
    void setHeaderFont(QFont &font);
    void setViewFont(QFont &font);
    void setMsgFont(QFont &font);
    void loadFont();
    void setHeaderColor(const QColor &color);
    void setMsgColor(const QColor &color);
    void setViewColor(const QColor &color);
    void loadColor();
    void ctxMenu(const QPoint &pos);
    void set_alive_num(int num);
    void gbYearShow();
    void setTitle(const QString &title);
    void recv_tree_item_change();

signals:
    // The dashboard settings changed: the plant-totals thread reads them again.
    void display_change();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<MonitoringSession> m_ownSession;
    MonitoringSession *m_session;
    ProgramState &m_program;
    std::unique_ptr<Ui::CMainClass> m_ui;

    std::unique_ptr<WindowParts> m_parts;
    MonitorControl *m_monitor = nullptr;
    QTimer m_clockTimer;
    QTimer m_debugSaveTimer;
    std::unique_ptr<LanguageMenus> m_languages;
    PageOutput m_pageOutput;
    std::array<DataExporter *, TabCount> m_exporters{};
};
