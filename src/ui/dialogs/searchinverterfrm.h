#pragma once

#include <QDialog>
#include <QList>
#include <memory>

namespace Ui {
class SearchInverterFrmClass;
}
class MonitoringSession;
class Prompter;
class QBurnSearch;

// Searches the line for inverters, by request or on the automatic-search
// timer, lists what it finds and makes it the program's inverter list.
class SearchInverterFrm : public QDialog
{
    Q_OBJECT

public:
    // Monitoring through the session stops before a search, which needs the line alone.
    SearchInverterFrm(MonitoringSession &session, Prompter &prompter, QWidget *parent = nullptr);
    ~SearchInverterFrm() override;

    // The line of the next search.
    void setPortBaud(int port, int baud);
    // Marks the next search as a timer-driven one: it shows no "not found"
    // warning and closes the dialog at its end.
    void setAutomatic(bool automatic) { m_automatic = automatic; }
    bool isSearching() const;

signals:
    void s_search_end();

public slots:
    void search();
    void free_thread();
    void finding_num(int num, int addr, QString sn);
    void search_progress(int progress);
    void search_end();
    void detailClick();
    void on_btnStop_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    // Every way of closing: a running search stops first; the auto-search settings are stored.
    void done(int result) override;

private:
    void clearResult();
    void setSearching(bool searching);

    std::unique_ptr<Ui::SearchInverterFrmClass> m_ui;
    MonitoringSession &m_session;
    Prompter &m_prompter;
    int m_port = 0;
    int m_baud = 0;
    QBurnSearch *m_search = nullptr;
    QList<int> m_found;
    bool m_automatic = false;
    bool m_detailsShown = false;
};
