#pragma once

#include <QCoreApplication>
#include <functional>

class Prompter;
class QPixmap;
class QPrinter;
class QWidget;

// Puts what a page shows on paper or into an image file.
class PageOutput
{
    Q_DECLARE_TR_FUNCTIONS(PageOutput)

public:
    // Runs the print dialog on the printer; true when the user accepts it.
    using PrintDialog = std::function<bool(QPrinter &printer)>;

    PageOutput(QWidget *dialogParent, Prompter &prompter);

    // Asks for a file name and saves the widget's picture there, then tells how it went.
    void exportImage(QWidget *source) const;
    // Prints the widget's picture at the page origin once the print dialog is accepted.
    void print(QWidget *source) const;

    // JPEG when the name contains "jpg" in any letter case, else BMP; quality 99.
    static bool saveImage(const QPixmap &image, const QString &fileName);

    // Replaces the platform's print dialog.
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

private:
    QWidget *m_dialogParent;
    Prompter &m_prompter;
    PrintDialog m_printDialog;
};
