#include "ui/languagedialog.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestLanguageDialog : public QObject
{
    Q_OBJECT

private slots:
    void languageDialogAnswersTheChosenIndex();
};

void TestLanguageDialog::languageDialogAnswersTheChosenIndex()
{
    // OK and the title bar's close button both give the language shown in the box.
    for (bool viaClose : {false, true}) {
        LanguageDialog dialog;
        auto *languages = dialog.findChild<QComboBox *>(QStringLiteral("cbLanguage"));
        QVERIFY(languages);
        QCOMPARE(languages->count(), 8);
        QCOMPARE(languages->itemText(6), QStringLiteral("Simplified Chinese"));
        QTimer::singleShot(0, &dialog, [&] {
            languages->setCurrentIndex(viaClose ? 4 : 6);
            if (viaClose)
                dialog.close();
            else
                QTest::mouseClick(dialog.findChild<QPushButton *>(), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), viaClose ? 4 : 6);
    }
}

QTEST_MAIN(TestLanguageDialog)
#include "tst_languagedialog.moc"
