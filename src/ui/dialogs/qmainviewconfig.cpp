#include "ui/dialogs/qmainviewconfig.h"

#include "base/appsettings.h"
#include "base/currencysymbols.h"
#include "base/prompter.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/dialogs/qviewsize.h"
#include "ui/views/dashboardfields.h"
#include "ui_qmainviewconfig.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QSignalBlocker>

namespace {
constexpr int kBoxColumns = 3;
}

QMainViewConfig::QMainViewConfig(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QMainViewConfigClass)
    , m_prompter(prompter)
{
    m_ui->setupUi(this);
    // Made after the form, so that the panel's own "btnDef" is not bound to this dialog's slot.
    m_viewSize = new QViewSize(this);
    m_ui->viewSizeLayout->insertWidget(0, m_viewSize);
    connect(m_viewSize, &QViewSize::changed, this, &QMainViewConfig::applyEnable);

    m_ui->moneySymbol->addItems(currencySymbols());
    for (int k = 0; k < DashboardFields::Count; ++k) {
        auto *box = new QCheckBox(DashboardFields::name(k), this);
        box->setObjectName(QStringLiteral("cbField%1").arg(k));
        m_ui->fieldsLayout->addWidget(box, k / kBoxColumns, k % kBoxColumns);
        connect(box, &QCheckBox::clicked, this, &QMainViewConfig::checkboxClicked);
        m_fieldBoxes.append(box);
    }
    connect(m_ui->btnSelectAll, &QPushButton::clicked, this, &QMainViewConfig::click_all);
    connect(m_ui->btnClearAll, &QPushButton::clicked, this, &QMainViewConfig::clear_all);
    connect(m_ui->btnDefault, &QPushButton::clicked, this, &QMainViewConfig::default_show_or_hide);

    QMyTableWidget *table = m_ui->tableSeq;
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumSize(680, 240);
    for (int row = 0; row < DashboardFields::kRows; ++row) {
        for (int column = 0; column < DashboardFields::kColumns; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, cell);
        }
    }
    connect(table, &QTableWidget::itemSelectionChanged, this, &QMainViewConfig::SeqItemChanged);
    load();
}

QMainViewConfig::~QMainViewConfig() = default;

void QMainViewConfig::showEvent(QShowEvent *event)
{
    centreOverParent(this);
    load();
    QDialog::showEvent(event);
}

void QMainViewConfig::load()
{
    AppSettings settings;
    const Ui::QMainViewConfigClass &ui = *m_ui;
    ui.sbSaveInterval->setValue(settings.intValue(Setting::sbSaveInterval));
    ui.sbCo2->setValue(settings.doubleValue(Setting::sbCo2));
    ui.moneySymbol->setCurrentIndex(settings.intValue(Setting::co2symbol));
    ui.sbMoney->setValue(settings.doubleValue(Setting::sbMoney));
    const bool automatic = settings.intValue(Setting::rbAuto) == 1;
    ui.rbAuto->setChecked(automatic);
    ui.rbManual->setChecked(!automatic);
    ui.sbStart->setValue(settings.intValue(Setting::sbStart));
    ui.sbStop->setValue(settings.intValue(Setting::sbStop));
    ui.leMessage->setText(settings.text(Setting::leMessage));
    ui.leTitle->setText(settings.text(Setting::leTitle));
    const QSet<int> shown = DashboardFields::shownFields(settings.text(Setting::ShowField));
    for (int k = 0; k < m_fieldBoxes.size(); ++k)
        m_fieldBoxes[k]->setChecked(shown.contains(k));
    fillArrangement();
    m_viewSize->setPixels(DashboardFields::storedTitlePixel(), DashboardFields::storedMsgPixel());
    ui.btnApply->setEnabled(false);
}

void QMainViewConfig::fillArrangement()
{
    QMyTableWidget *table = m_ui->tableSeq;
    const QSignalBlocker blocker(table);
    table->clearSelection();
    for (int row = 0; row < DashboardFields::kRows; ++row) {
        for (int column = 0; column < DashboardFields::kColumns; ++column)
            table->item(row, column)->setText(QString());
    }
    const QVector<int> cells = DashboardFields::placement(AppSettings().text(Setting::VIEW_SEQ));
    for (int k = 0; k < cells.size(); ++k) {
        if (cells[k] != DashboardFields::kNoCell)
            table->item(DashboardFields::rowOf(cells[k]), DashboardFields::columnOf(cells[k]))
                ->setText(DashboardFields::name(k));
    }
    m_movingCell = QPoint(-1, -1);
}

void QMainViewConfig::SeqItemChanged()
{
    const QList<QTableWidgetItem *> selected = m_ui->tableSeq->selectedItems();
    if (selected.isEmpty())
        return;
    QTableWidgetItem *current = selected.first();
    const QPoint cell(current->column(), current->row());
    if (m_movingCell.x() >= 0 && cell != m_movingCell) {
        QTableWidgetItem *previous = m_ui->tableSeq->item(m_movingCell.y(), m_movingCell.x());
        const QString text = previous->text();
        previous->setText(current->text());
        current->setText(text);
        applyEnable();
    }
    m_movingCell = cell;
}

QString QMainViewConfig::arrangementSequence() const
{
    // A field in no cell keeps its place in the list with a cell outside the
    // grid, so that the fields after it keep theirs.
    QStringList cells;
    bool anyPlaced = false;
    for (int k = 0; k < DashboardFields::Count; ++k) {
        const QList<QTableWidgetItem *> found = m_ui->tableSeq->findItems(DashboardFields::name(k), Qt::MatchExactly);
        int cell = DashboardFields::kNoCell;
        if (!found.isEmpty()) {
            cell = DashboardFields::cellIndex(found.first()->row(), found.first()->column());
            anyPlaced = true;
        }
        cells.append(QString::number(cell));
    }
    return anyPlaced ? cells.join(QLatin1Char(',')) : QString();
}

bool QMainViewConfig::apply()
{
    const Ui::QMainViewConfigClass &ui = *m_ui;
    if (ui.rbManual->isChecked() && ui.sbStart->value() >= ui.sbStop->value()) {
        m_prompter.message(Prompter::Level::Warning, tr("Start/Stop Record Time"),
                           tr("The Settings of start record time and stop record time is error!"));
        return false;
    }
    AppSettings settings;
    QStringList shown;
    for (int k = 0; k < m_fieldBoxes.size(); ++k) {
        if (m_fieldBoxes[k]->isChecked())
            shown.append(QString::number(k));
    }
    settings.setValue(Setting::ShowField, shown.join(QLatin1Char(',')));
    settings.setValue(Setting::sbSaveInterval, ui.sbSaveInterval->value());
    settings.setValue(Setting::sbCo2, ui.sbCo2->value());
    settings.setValue(Setting::co2symbol, ui.moneySymbol->currentIndex());
    settings.setValue(Setting::sbMoney, ui.sbMoney->value());
    settings.setValue(Setting::rbAuto, ui.rbAuto->isChecked() ? 1 : 0);
    settings.setValue(Setting::sbStart, ui.sbStart->value());
    settings.setValue(Setting::sbStop, ui.sbStop->value());
    settings.setValue(Setting::leMessage, ui.leMessage->text());
    settings.setValue(Setting::leTitle, ui.leTitle->text());
    const QString sequence = arrangementSequence();
    if (!sequence.isEmpty())
        settings.setValue(Setting::VIEW_SEQ, sequence);
    settings.setValue(Setting::TitlePixel, m_viewSize->titlePixel());
    settings.setValue(Setting::MsgPixel, m_viewSize->msgPixel());
    settings.sync();
    emit setting_change();
    ui.btnApply->setEnabled(false);
    return true;
}

void QMainViewConfig::checkAll(bool checked)
{
    for (QCheckBox *box : qAsConst(m_fieldBoxes))
        box->setChecked(checked);
    applyEnable();
}

void QMainViewConfig::click_all()
{
    checkAll(true);
}

void QMainViewConfig::clear_all()
{
    checkAll(false);
}

void QMainViewConfig::default_show_or_hide()
{
    for (int k = 0; k < m_fieldBoxes.size(); ++k)
        m_fieldBoxes[k]->setChecked(k < DashboardFields::Sensor1);
    apply();
}

void QMainViewConfig::on_btnDef_clicked()
{
    AppSettings settings;
    settings.setValue(Setting::VIEW_SEQ, QString::fromLatin1(DashboardFields::kDefaultSequence));
    settings.sync();
    fillArrangement();
    emit setting_change();
}

void QMainViewConfig::on_btnOK_clicked()
{
    if (apply())
        accept();
}

void QMainViewConfig::on_btnApply_clicked()
{
    apply();
}

void QMainViewConfig::on_btnCancel_clicked()
{
    reject();
}

void QMainViewConfig::applyEnable()
{
    m_ui->btnApply->setEnabled(true);
}

void QMainViewConfig::checkboxClicked()
{
    applyEnable();
}

void QMainViewConfig::on_leMessage_textChanged(const QString &)
{
    applyEnable();
}

void QMainViewConfig::on_leTitle_textChanged(const QString &)
{
    applyEnable();
}

void QMainViewConfig::on_sbSaveInterval_valueChanged(int)
{
    applyEnable();
}

void QMainViewConfig::on_sbCo2_valueChanged(double)
{
    applyEnable();
}

void QMainViewConfig::on_sbMoney_valueChanged(double)
{
    applyEnable();
}

void QMainViewConfig::on_sbStart_valueChanged(int)
{
    applyEnable();
}

void QMainViewConfig::on_sbStop_valueChanged(int)
{
    applyEnable();
}

void QMainViewConfig::on_rbAuto_clicked()
{
    applyEnable();
}

void QMainViewConfig::on_rbManual_clicked()
{
    applyEnable();
}

void QMainViewConfig::on_moneySymbol_currentIndexChanged(int)
{
    applyEnable();
}
