#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QPasswordClass;
}
class Prompter;
class QDiagnostics;

// Asks for the service password. Used for its result (without a direct-command
// dialog), a correct entry accepts the dialog; otherwise a correct entry opens
// the direct-command dialog, which it takes as its child.
class QPassword : public QDialog
{
    Q_OBJECT

public:
    explicit QPassword(Prompter &prompter, QDiagnostics *diagnostics = nullptr, QWidget *parent = nullptr);
    ~QPassword() override;

    // The direct-command dialog opened on success; nullptr when used for the result.
    QDiagnostics *diagnostics() const { return m_diagnostics; }

public slots:
    void vali();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::QPasswordClass> m_ui;
    Prompter &m_prompter;
    QDiagnostics *m_diagnostics;
};
