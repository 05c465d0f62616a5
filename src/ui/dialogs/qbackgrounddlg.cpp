#include "ui/dialogs/qbackgrounddlg.h"

#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/prompter.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/views/dashboardappearance.h"
#include "ui_qbackgrounddlg.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString storedName()
{
    return AppSettings().text(Setting::BK_IMG);
}
} // namespace

QBackgroundDlg::QBackgroundDlg(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QBackgroundDlgClass)
    , m_prompter(prompter)
{
    m_ui->setupUi(this);
    connect(m_ui->listGraphic, &QListWidget::itemClicked, this, &QBackgroundDlg::itemClick);
}

QBackgroundDlg::~QBackgroundDlg() = default;

QString QBackgroundDlg::folder()
{
    return AppDir::file(QStringLiteral("background"));
}

QString QBackgroundDlg::selectedName() const
{
    const QList<QListWidgetItem *> selected = m_ui->listGraphic->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void QBackgroundDlg::preview(const QString &name)
{
    const QString path = name.isEmpty() ? QString() : folder() + QLatin1Char('/') + name;
    m_ui->frame->setStyleSheet(DashboardAppearance::backgroundDeclarations(path));
}

void QBackgroundDlg::showEvent(QShowEvent *event)
{
    centreOverParent(this);
    m_ui->listGraphic->clear();
    m_ui->listGraphic->addItems(QDir(folder()).entryList(QDir::Files, QDir::Unsorted));
    const QString stored = storedName();
    const QList<QListWidgetItem *> current = m_ui->listGraphic->findItems(stored, Qt::MatchExactly);
    if (!stored.isEmpty() && !current.isEmpty()) {
        m_ui->listGraphic->setCurrentItem(current.first());
        preview(stored);
    } else {
        preview(QString());
    }
    m_ui->btnApply->setEnabled(false);
    QDialog::showEvent(event);
}

void QBackgroundDlg::itemClick(QListWidgetItem *item)
{
    preview(item->text());
    m_ui->btnApply->setEnabled(item->text() != storedName());
}

bool QBackgroundDlg::applySelection()
{
    const QString name = selectedName();
    const QString path = folder() + QLatin1Char('/') + name;
    if (name.isEmpty() || !QFileInfo(path).isFile())
        return false;
    emit setBackGround(path);
    AppSettings().setValue(Setting::BK_IMG, name);
    m_ui->btnApply->setEnabled(false);
    return true;
}

void QBackgroundDlg::on_btnApply_clicked()
{
    applySelection();
}

void QBackgroundDlg::on_btnOK_clicked()
{
    applySelection();
    accept();
}

void QBackgroundDlg::on_btnCancel_clicked()
{
    reject();
}

void QBackgroundDlg::on_btnClear_clicked()
{
    AppSettings().setValue(Setting::BK_IMG, QString());
    emit setBackGround(QString());
    m_ui->listGraphic->clearSelection();
    preview(QString());
    m_ui->btnApply->setEnabled(false);
}

void QBackgroundDlg::on_btnAdd_clicked()
{
    const QString source = m_prompter.openFileName(tr("Select Image File"), tr("Image Files (*.png *.jpg *.bmp)"));
    if (source.isEmpty())
        return;
    const QString name = QFileInfo(source).fileName();
    const QString target = folder() + QLatin1Char('/') + name;
    if (QFileInfo::exists(target)) {
        m_prompter.message(Prompter::Level::Warning, tr("Warning"), tr("This file name exists already."));
        return;
    }
    if (!QDir().mkpath(folder()) || !QFile::copy(source, target)) {
        m_prompter.message(Prompter::Level::Warning, tr("Warning"), tr("Can not copy the image file."));
        return;
    }
    m_ui->listGraphic->addItem(name);
}

void QBackgroundDlg::on_btnDel_clicked()
{
    const QString name = selectedName();
    if (name.isEmpty() || name == storedName())
        return;
    const QString path = folder() + QLatin1Char('/') + name;
    if (!QFile::remove(path) && QFileInfo::exists(path))
        return;
    delete m_ui->listGraphic->selectedItems().first();
    preview(QString());
}
