#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QPasswordClass;
}
class QDiagnostics;

// Asks for the service password. Used for its result, a correct entry accepts
// the dialog; otherwise a correct entry opens the direct-command dialog it owns.
class QPassword : public QDialog
{
    Q_OBJECT

public:
    QPassword(bool usedForResult, QWidget *parent = nullptr);
    ~QPassword() override;

    // The direct-command dialog opened on success; nullptr when used for the result.
    QDiagnostics *diagnostics() const { return m_diagnostics; }

public slots:
    void vali();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::QPasswordClass> m_ui;
    const bool m_usedForResult;
    QDiagnostics *m_diagnostics = nullptr;
};
