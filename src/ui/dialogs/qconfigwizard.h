#pragma once

#include <QList>
#include <QWizard>
#include <memory>

namespace Ui {
class QConfigWizardClass;
}
class ProgramState;
class QBurnSearch;

// Leads a first-time user through the port settings, a search for inverters
// and the choice of automatic search; the window may start monitoring after it.
// It tests the port on the shared port, and sets the program's line settings
// and address table.
class QConfigWizard : public QWizard
{
    Q_OBJECT

public:
    enum PageId { IntroductionPage, SearchPage, FinishPage };

    explicit QConfigWizard(ProgramState &state, QWidget *parent = nullptr);
    ~QConfigWizard() override;

    // Whether "Start monitoring now" was checked when the wizard finished.
    bool startMonitoringRequested() const { return m_startMonitoring; }

    // Next and Finish: tests the port, saves the search, fills the address table.
    bool validateCurrentPage() override;

public slots:
    void pageChange(int id);
    void search();
    void finding_num(int num, int addr, QString sn);
    void search_progress(int progress);
    void search_end();
    void on_btnRefresh_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isSearching() const;
    bool acceptLine();
    bool acceptSearch();
    void showFoundCount(int count);

    std::unique_ptr<Ui::QConfigWizardClass> m_ui;
    ProgramState &m_program;
    QBurnSearch *m_search = nullptr;
    QList<int> m_found;
    bool m_startMonitoring = false;
};
