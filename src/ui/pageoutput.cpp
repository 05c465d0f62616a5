#include "ui/pageoutput.h"

#include "base/prompter.h"

#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

PageOutput::PageOutput(QWidget *dialogParent, Prompter &prompter)
    : m_dialogParent(dialogParent)
    , m_prompter(prompter)
    , m_printDialog([this](QPrinter &printer) {
        QPrintDialog dialog(&printer, m_dialogParent);
        dialog.setWindowTitle(tr("Print Document"));
        return dialog.exec() == QDialog::Accepted;
    })
{}

void PageOutput::exportImage(QWidget *source) const
{
    const QPixmap image = source->grab();
    const QString fileName = m_prompter.saveFileName(tr("Save File"), tr("Images (*.bmp *.jpg)"));
    if (fileName.isEmpty())
        return;
    if (saveImage(image, fileName))
        m_prompter.message(Prompter::Level::Information, tr("Info"), tr("Save OK."));
    else
        m_prompter.message(Prompter::Level::Warning, tr("Error"), tr("Can not save image file!"));
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
