#include "platform/QtDesktop.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>

using namespace tarvo;

class tst_QtDesktop : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void messageBoxShowsMarkupAsTypedAndReportsTheAnswer_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("expected");
        QTest::addRow("yes") << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::addRow("no") << int(QMessageBox::No) << int(MessageAnswer::No);
    }
    void messageBoxShowsMarkupAsTypedAndReportsTheAnswer()
    {
        QFETCH(int, button);
        QFETCH(int, expected);
        const QString text = QStringLiteral("<b>x</b> &amp; y.zoy");
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            icon = box->icon();
            box->button(QMessageBox::StandardButton(button))->click();
        });
        QtDesktop desktop;
        const MessageAnswer answer =
            desktop.message(nullptr, MessageIcon::Question, MessageButtons::YesNo,
                            QStringLiteral("Tarvo Yoga"), text);
        QCOMPARE(int(answer), expected);
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(icon, QMessageBox::Question);
    }

    void verdanaIsPinnedToDejaVuSans()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Verdana"));
    }
};

TARVO_TEST_MAIN(tst_QtDesktop)
#include "tst_qtdesktop.moc"
