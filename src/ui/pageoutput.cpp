#include "ui/pageoutput.h"

#include "base/prompter.h"
#include "monitor/programstate.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

PageOutput::PageOutput(QWidget *dialogParent)
    : m_dialogParent(dialogParent)
    , m_printDialog([this](QPrinter &printer) {
        QPrintDialog dialog(&printer, m_dialogParent);
        dialog.setWindowTitle(tr("Print Document"));
        return dialog.exec() == QDialog::Accepted;
    })
{}

void PageOutput::exportImage(QWidget *source) const
{
    const QPixmap image = source->grab();
    Prompter &prompter = ProgramState::instance().prompter();
    const QString fileName = prompter.saveFileName(tr("Save File"), tr("Images (*.bmp *.jpg)"));
    if (fileName.isEmpty())
        return;
    if (saveImage(image, fileName))
        prompter.message(Prompter::Level::Information, tr("Info"), tr("Save OK."));
    else
        prompter.message(Prompter::Level::Warning, tr("Error"), tr("Can not save image file!"));
}

void PageOutput::print(QWidget *source) const
{
    QPrinter printer;
    if (!m_printDialog(printer))
        return;
    QPainter painter(&printer);
    painter.drawPixmap(0, 0, source->grab());
}

bool PageOutput::saveImage(const QPixmap &image, const QString &fileName)
{
    const char *format = fileName.contains(QLatin1String("jpg"), Qt::CaseInsensitive) ? "JPG" : "BMP";
    return image.save(fileName, format, 99);
}
