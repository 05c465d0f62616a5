#pragma once

#include <QDialog>
#include <QList>
#include <memory>

namespace Ui {
class SearchInverterFrmClass;
}
struct AutoSearchFields;
class MonitoringSession;
class ProgramState;
class QBurnSearch;

// Searches the line for inverters, by request or on the automatic-search
// timer, lists what it finds and makes it the program's inverter list. A
// search that could not open its port, or during which the line failed, keeps
// the saved inverters.
class SearchInverterFrm : public QDialog
{
    Q_OBJECT

public:
    // Monitoring through the session stops before a search, which needs the
    // line alone. The state gives the shared port and the prompter.
    SearchInverterFrm(MonitoringSession &session, ProgramState &state, QWidget *parent = nullptr);
    ~SearchInverterFrm() override;

    // The line of the next search.
    void setPortBaud(int port, int baud);
    // Marks the next search as a timer-driven one, which nobody watches: it
    // asks nothing (the stored answer decides about shared addresses), shows
    // no message, keeps the saved inverters when it finds none, and closes
    // the dialog at its end.
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
    // Makes what the search found the inverter list, when it tells something
    // about the line; the user of a manual search is told what became of it.
    void takeResult(const QList<int> &found);
    AutoSearchFields autoSearchFields() const;

    std::unique_ptr<Ui::SearchInverterFrmClass> m_ui;
    MonitoringSession &m_session;
    ProgramState &m_program;
    int m_port = 0;
    int m_baud = 0;
    QBurnSearch *m_search = nullptr;
    QList<int> m_found;
    bool m_automatic = false;
    bool m_detailsShown = false;
};
